// The production table: the factory compensation and the 16-bit table write.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CHVX40ProductionTable final : public CHVX40ProductionAPI {
 public:
  constexpr explicit CHVX40ProductionTable(CCommandProtocol* controller)
      : controller_(controller) {}

  const char* GetVersion() override;
  bool Command_0231_FF() override;
  bool Command_0231_00() override;
  bool GetCompensation2(int* x, int* y, int* z) override;
  int SetCompensation2(int x, int y, int z) override;
  bool WriteWords_02C2(const uint16_t* data, int count) override;

 private:
  CCommandProtocol* controller_;
};
