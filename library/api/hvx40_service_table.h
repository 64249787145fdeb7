// The destructive service table: wiping the machine's parameters.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CHVX40ServiceTable final : public CHVX40ServiceAPI {
 public:
  constexpr explicit CHVX40ServiceTable(CCommandProtocol* controller)
      : controller_(controller) {}

  const char* GetVersion() override;
  bool ClearAllParameters() override;

 private:
  CCommandProtocol* controller_;
};
