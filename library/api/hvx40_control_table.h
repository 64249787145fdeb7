// The machine's own control table: positions and moves, spindle, compensation, coordinate
// sets, records, files sent as jobs, and the switch to the simulator.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CHVX40ControlTable final : public CHVX40ControlAPI {
 public:
  constexpr explicit CHVX40ControlTable(CCommandProtocol* controller)
      : controller_(controller) {}

#define HVX_OP HVX_OVERRIDE
#include "hvx40_control_ops.def"

 private:
  CCommandProtocol* controller_;
};
