// The connection table: choosing a device by its printer-queue name, opening it and watching
// whether it still answers.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CRemoteConnectTable final : public CRemoteConnectAPI {
 public:
  constexpr explicit CRemoteConnectTable(CCommandProtocol* controller)
      : controller_(controller) {}

  const char* GetVersion() override;
  bool Connect(const char* deviceName) override;
  bool Reconnect() override;
  bool CheckConnection() override;
  int EnumerateDevices() override;
  const char* GetDeviceNameAt(int index) override;
  int GetDeviceName(char* buffer, int size) override;
  bool Disconnect() override;
  int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) override;

 private:
  CCommandProtocol* controller_;
};
