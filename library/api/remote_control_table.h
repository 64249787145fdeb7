// The general table: status, identity texts, inputs and a few plain values.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CRemoteControlTable final : public CRemoteControlAPI {
 public:
  constexpr explicit CRemoteControlTable(CCommandProtocol* controller)
      : controller_(controller) {}

#define HVX_OP HVX_OVERRIDE
#include "remote_control_ops.def"

 private:
  CCommandProtocol* controller_;
};
