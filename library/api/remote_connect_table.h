// The connection table: choosing a device by its printer-queue name, opening it and watching
// whether it still answers.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CRemoteConnectTable final : public CRemoteConnectAPI {
 public:
  constexpr explicit CRemoteConnectTable(CCommandProtocol* controller)
      : controller_(controller) {}

#define HVX_OP HVX_OVERRIDE
#include "remote_connect_ops.def"

 private:
  CCommandProtocol* controller_;
};
