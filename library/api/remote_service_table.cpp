#include "remote_service_table.h"

#include "../controller/machine_commands.h"
#include "api_results.h"
#include "hvx40_facts.h"
#include "block_out.h"

using api::OneZero;
using api::ReadBlockOut;

const char* CRemoteServiceTable::GetVersion() { return kRemoteServiceApiVersion; }

int CRemoteServiceTable::GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) {
  return api::StatusOut(*controller_, stateWord, handshakeWord);
}
bool CRemoteServiceTable::SetSerialNumber(const char* text) {
  return machine::SetSerialNumber(*controller_, text);
}
bool CRemoteServiceTable::SetShortCode(const char* text) {
  return machine::SetShortCode(*controller_, text);
}
int CRemoteServiceTable::GetValue_0205() { return machine::GetValue_0205(*controller_); }
int CRemoteServiceTable::SetPair_0206(int a, int b) {
  return OneZero(machine::SetPair_0206(*controller_, a, b));
}
int CRemoteServiceTable::GetValue_0208() { return machine::GetValue_0208(*controller_); }
int CRemoteServiceTable::SetValue_0209(int value) {
  return OneZero(machine::SetValue_0209(*controller_, value));
}
int CRemoteServiceTable::GetValue_020A() { return machine::GetValue_020A(*controller_); }
int CRemoteServiceTable::SetValue_020B(int value) {
  return OneZero(machine::SetValue_020B(*controller_, value));
}
bool CRemoteServiceTable::GetBlock12_020D(int* a, int* b, int* c) {
  return machine::GetBlock12_020D(*controller_, a, b, c);
}
bool CRemoteServiceTable::SetBlock12_020E(const int* a, const int* b, const int* c) {
  return machine::SetBlock12_020E(*controller_, a, b, c);
}
bool CRemoteServiceTable::GetBlock6_020F(uint8_t* out6) {
  return machine::GetBlock6_020F(*controller_, out6);
}
bool CRemoteServiceTable::SetBlock6_0210(const uint8_t* in6) {
  return machine::SetBlock6_0210(*controller_, in6);
}
bool CRemoteServiceTable::EnterUpdateMode(int mode) {
  return machine::EnterUpdateMode(*controller_, mode);
}
bool CRemoteServiceTable::SendZero_0279() { return machine::SendZero_0279(*controller_); }
bool CRemoteServiceTable::SetByte_029A(int value) {
  return machine::SetByte_029A(*controller_, value);
}
bool CRemoteServiceTable::Command_029B() { return machine::Command_029B(*controller_); }
int CRemoteServiceTable::Command_029C() { return OneZero(machine::Command_029C(*controller_)); }
bool CRemoteServiceTable::ReadWords_02C1(uint16_t* buffer, int count) {
  return machine::ReadWords_02C1(*controller_, buffer, count);
}
bool CRemoteServiceTable::GetHalfPair_02C3(int16_t* a, int16_t* b) {
  return machine::GetHalfPair_02C3(*controller_, a, b);
}
bool CRemoteServiceTable::Command_02C4() { return machine::Command_02C4(*controller_); }
bool CRemoteServiceTable::GetHalfPair_02C8(int16_t* a, int16_t* b) {
  return machine::GetHalfPair_02C8(*controller_, a, b);
}
int CRemoteServiceTable::GetSystemReport(char* buffer, int size) {
  return ReadBlockOut(*controller_, machine::GetSystemReport, buffer, size);
}
int CRemoteServiceTable::GetParameters(void* buffer, int size) {
  return ReadBlockOut(*controller_, machine::GetParameters, buffer, size);
}
bool CRemoteServiceTable::PutParameters(const void* data, int length) {
  return machine::PutParameters(*controller_, data, length);
}
bool CRemoteServiceTable::Command_02E5() { return machine::Command_02E5(*controller_); }
int CRemoteServiceTable::GetParameters2(void* buffer, int size) {
  return ReadBlockOut(*controller_, machine::GetParameters2, buffer, size);
}
