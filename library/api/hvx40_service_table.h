// The destructive service table: wiping the machine's parameters.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CHVX40ServiceTable final : public CHVX40ServiceAPI {
 public:
  constexpr explicit CHVX40ServiceTable(CCommandProtocol* controller)
      : controller_(controller) {}

#define HVX_OP HVX_OVERRIDE
#include "hvx40_service_ops.def"

 private:
  CCommandProtocol* controller_;
};
