// The identity and service table: serial number, service values, firmware hand-over, the
// system report, the 16-bit table and the parameter areas.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CRemoteServiceTable final : public CRemoteServiceAPI {
 public:
  constexpr explicit CRemoteServiceTable(CCommandProtocol* controller)
      : controller_(controller) {}

  const char* GetVersion() override;
  int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) override;
  bool SetSerialNumber(const char* text) override;
  bool SetShortCode(const char* text) override;
  int GetValue_0205() override;
  int SetPair_0206(int a, int b) override;
  int GetValue_0208() override;
  int SetValue_0209(int value) override;
  int GetValue_020A() override;
  int SetValue_020B(int value) override;
  bool GetBlock12_020D(int* a, int* b, int* c) override;
  bool SetBlock12_020E(const int* a, const int* b, const int* c) override;
  bool GetBlock6_020F(uint8_t* out6) override;
  bool SetBlock6_0210(const uint8_t* in6) override;
  bool EnterUpdateMode(int mode) override;
  bool SendZero_0279() override;
  bool SetByte_029A(int value) override;
  bool Command_029B() override;
  int Command_029C() override;
  bool ReadWords_02C1(uint16_t* buffer, int count) override;
  bool GetHalfPair_02C3(int16_t* a, int16_t* b) override;
  bool Command_02C4() override;
  bool GetHalfPair_02C8(int16_t* a, int16_t* b) override;
  int GetSystemReport(char* buffer, int size) override;
  int GetParameters(void* buffer, int size) override;
  bool PutParameters(const void* data, int length) override;
  bool Command_02E5() override;
  int GetParameters2(void* buffer, int size) override;

 private:
  CCommandProtocol* controller_;
};
