// Channel, identity and service values (commands 0x0004 to 0x0211).
#include <cstring>

#include "command_codes.h"
#include "command_shapes.h"
#include "machine_commands.h"
#include "machine_records.h"
#include "transport_lock.h"

using namespace shapes;

namespace machine {
namespace {

// A machine without a device record answers with its two header words only; the record then
// reads as "none" rather than as stale bytes.
void MarkRecordMissing(uint8_t* record) {
  std::memset(record, 0xFF, 8);
  std::memset(record + 8, 0, kDeviceBlockSize - 8);
}

}  // namespace

bool Command_0004(CCommandProtocol& p) {
  TransportLock lock(p.transport());
  return lock.locked() && p.DirectWrite(kCmd0004, nullptr, 0);
}

bool ReadDeviceRecord(CCommandProtocol& p, void* record56) {
  uint8_t record[kDeviceBlockSize] = {};
  if (record56 == nullptr) return false;
  // Read directly rather than through ReadDeviceBlock, which already converts the first two
  // words: every field must be converted exactly once.
  const int received = p.DirectRead(kCmdDeviceBlock, record, kDeviceBlockSize);
  if (received == 8) {
    MarkRecordMissing(record);
  } else if (received == kDeviceBlockSize) {
    ConvertDeviceBlock(p, record, received);
  } else {
    return false;
  }
  std::memcpy(record56, record, kDeviceBlockSize);
  return true;
}

bool GetFirmwareVersion(CCommandProtocol& p, std::string& out) {
  return p.QueryIndexedString(0, out);
}

bool GetSerialNumber(CCommandProtocol& p, std::string& out) {
  return QueryText(p, kCmdGetSerialNumber, out);
}
bool SetSerialNumber(CCommandProtocol& p, const char* text) {
  return SendText(p, kCmdSetSerialNumber, text, Until::Completed);
}
bool GetShortCode(CCommandProtocol& p, std::string& out) {
  return QueryText(p, kCmdGetShortCode, out);
}
bool SetShortCode(CCommandProtocol& p, const char* text) {
  return SendText(p, kCmdSetShortCode, text, Until::Completed);
}

int GetValue_0205(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue0205); }
bool SetPair_0206(CCommandProtocol& p, int a, int b) {
  const int32_t pair[2] = {a, b};
  return SendWords(p, kCmdSetPair0206, pair, 2, Until::Completed);
}
int GetValue_0207(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue0207); }
int GetValue_0208(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue0208); }
bool SetValue_0209(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue0209, value, Until::Completed);
}
int GetValue_020A(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue020A); }
bool SetValue_020B(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue020B, value, Until::Completed);
}

// The 12- and 6-byte blocks travel as raw bytes, in the host's own layout.
bool GetBlock12_020D(CCommandProtocol& p, int* a, int* b, int* c) {
  int32_t block[3];
  if (a == nullptr || b == nullptr || c == nullptr) return false;
  if (!QueryRaw(p, kCmdGetBlock12_020D, block, sizeof block)) return false;
  *a = block[0];
  *b = block[1];
  *c = block[2];
  return true;
}
bool SetBlock12_020E(CCommandProtocol& p, const int* a, const int* b, const int* c) {
  if (a == nullptr || b == nullptr || c == nullptr) return false;
  const int32_t block[3] = {*a, *b, *c};
  return SendRaw(p, kCmdSetBlock12_020E, block, sizeof block, Until::Accepted);
}
bool GetBlock6_020F(CCommandProtocol& p, uint8_t* out6) {
  return QueryRaw(p, kCmdGetBlock6_020F, out6, 6);
}
bool SetBlock6_0210(CCommandProtocol& p, const uint8_t* in6) {
  return SendRaw(p, kCmdSetBlock6_0210, in6, 6, Until::Accepted);
}

bool GetString_0211(CCommandProtocol& p, std::string& out) {
  return QueryText(p, kCmdGetString0211, out);
}

}  // namespace machine
