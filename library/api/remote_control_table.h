// The general table: status, identity texts, inputs and a few plain values.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CRemoteControlTable final : public CRemoteControlAPI {
 public:
  constexpr explicit CRemoteControlTable(CCommandProtocol* controller)
      : controller_(controller) {}

  const char* GetVersion() override;
  int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) override;
  int ReadDeviceBlock(void* buffer, int size) override;
  int GetString_0211(char* buffer, int size) override;
  int GetFirmwareVersion(char* buffer, int size) override;
  int GetSerialNumber(char* buffer, int size) override;
  int GetShortCode(char* buffer, int size) override;
  int GetValue_0207() override;
  int GetDeviceId(char* buffer, int size) override;
  int GetValue_0230() override;
  int GetInputState() override;
  bool SetValue_023F(int value) override;
  bool SetValue_0240(int value) override;
  bool SetValue_0241(int value) override;
  bool SendZero_0275() override;
  bool Command_0274() override;
  bool SetTriple_0290(int a, int b, int c) override;
  int Unsupported(int first, int second) override;
  bool Command_02E6() override;

 private:
  CCommandProtocol* controller_;
};
