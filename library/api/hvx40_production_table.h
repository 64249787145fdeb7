// The production table: the factory compensation and the 16-bit table write.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CHVX40ProductionTable final : public CHVX40ProductionAPI {
 public:
  constexpr explicit CHVX40ProductionTable(CCommandProtocol* controller)
      : controller_(controller) {}

#define HVX_OP HVX_OVERRIDE
#include "hvx40_production_ops.def"

 private:
  CCommandProtocol* controller_;
};
