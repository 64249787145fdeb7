// The identity and service table: serial number, service values, firmware hand-over, the
// system report, the 16-bit table and the parameter areas.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CRemoteServiceTable final : public CRemoteServiceAPI {
 public:
  constexpr explicit CRemoteServiceTable(CCommandProtocol* controller)
      : controller_(controller) {}

#define HVX_OP HVX_OVERRIDE
#include "remote_service_ops.def"

 private:
  CCommandProtocol* controller_;
};
