#include "remote_control_table.h"

#include "../controller/machine_commands.h"
#include "api_results.h"
#include "hvx40_facts.h"
#include "text_out.h"

using api::TextOut;

namespace {

bool ReadDeviceId(CCommandProtocol& controller, std::string& out) {
  return controller.GetDeviceId(out);
}

}  // namespace

const char* CRemoteControlTable::GetVersion() { return kApiVersion; }

int CRemoteControlTable::GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) {
  return api::StatusOut(*controller_, stateWord, handshakeWord);
}

int CRemoteControlTable::ReadDeviceBlock(void* buffer, int size) {
  return buffer != nullptr && size >= 0 ? controller_->ReadDeviceBlock(buffer, size) : -1;
}

int CRemoteControlTable::GetString_0211(char* buffer, int size) {
  return TextOut(*controller_, machine::GetString_0211, buffer, size);
}
int CRemoteControlTable::GetFirmwareVersion(char* buffer, int size) {
  return TextOut(*controller_, machine::GetFirmwareVersion, buffer, size);
}
int CRemoteControlTable::GetSerialNumber(char* buffer, int size) {
  return TextOut(*controller_, machine::GetSerialNumber, buffer, size);
}
int CRemoteControlTable::GetShortCode(char* buffer, int size) {
  return TextOut(*controller_, machine::GetShortCode, buffer, size);
}
int CRemoteControlTable::GetValue_0207() { return machine::GetValue_0207(*controller_); }
int CRemoteControlTable::GetDeviceId(char* buffer, int size) {
  return TextOut(*controller_, ReadDeviceId, buffer, size);
}
int CRemoteControlTable::GetValue_0230() { return machine::GetValue_0230(*controller_); }
int CRemoteControlTable::GetInputState() { return machine::GetInputState(*controller_); }
bool CRemoteControlTable::SetValue_023F(int value) {
  return machine::SetValue_023F(*controller_, value);
}
bool CRemoteControlTable::SetValue_0240(int value) {
  return machine::SetValue_0240(*controller_, value);
}
bool CRemoteControlTable::SetValue_0241(int value) {
  return machine::SetValue_0241(*controller_, value);
}
bool CRemoteControlTable::SendZero_0275() { return machine::SendZero_0275(*controller_); }
bool CRemoteControlTable::Command_0274() { return machine::Command_0274(*controller_); }
bool CRemoteControlTable::SetTriple_0290(int a, int b, int c) {
  return machine::SetTriple_0290(*controller_, a, b, c);
}
int CRemoteControlTable::Unsupported(int, int) { return -1; }
bool CRemoteControlTable::Command_02E6() { return machine::Command_02E6(*controller_); }
