// Motion, inputs and compensation (commands 0x0230 to 0x0290).
#include <algorithm>
#include <array>

#include "command_codes.h"
#include "command_shapes.h"
#include "machine_commands.h"
#include "machine_records.h"

using namespace shapes;

namespace machine {
namespace {

bool Move(CCommandProtocol& p, uint16_t code, const AxisVector* target, int speed, int second) {
  if (target == nullptr) return false;
  const auto record = MoveRecord(p, speed, second, *target);
  return SendRaw(p, code, record.data(), kMoveRecordSize, Until::Accepted);
}

bool GetCompensation(CCommandProtocol& p, uint16_t code, int* x, int* y, int* z) {
  std::array<int32_t, 6> record;
  if (x == nullptr || y == nullptr || z == nullptr) return false;
  Compensation ppm;
  if (!QueryWords(p, code, record.data(), 6) || !CompensationFromRecord(record, ppm)) return false;
  *x = ppm.x;
  *y = ppm.y;
  *z = ppm.z;
  return true;
}

bool SetCompensation(CCommandProtocol& p, uint16_t code, int x, int y, int z) {
  const auto record = CompensationRecord(Compensation{x, y, z});
  return SendWords(p, code, record.data(), 6, Until::Completed);
}

}  // namespace

int GetValue_0230(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue0230); }
bool Command_0231_FF(CCommandProtocol& p) {
  return SendBytes(p, kCmd0231, {0xFF, 0x00}, Until::Accepted);
}
bool Command_0231_00(CCommandProtocol& p) {
  return SendBytes(p, kCmd0231, {0x00, 0x00}, Until::Accepted);
}
int GetInputState(CCommandProtocol& p) { return QueryWord(p, kCmdGetInputState); }
bool SetValue_023F(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue023F, value, Until::Accepted);
}
bool SetValue_0240(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue0240, value, Until::Accepted);
}
bool SetValue_0241(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue0241, value, Until::Accepted);
}

bool GetPair_0248(CCommandProtocol& p, int* a, int* b) {
  uint32_t pair[2];
  if (a == nullptr || b == nullptr) return false;
  if (p.DirectRead(kCmdGetPair0248, pair, sizeof pair) != static_cast<int>(sizeof pair)) {
    return false;
  }
  *a = static_cast<int32_t>(p.Convert32(pair[0]));
  *b = static_cast<int32_t>(p.Convert32(pair[1]));
  return true;
}

bool GetVector_0251(CCommandProtocol& p, AxisVector* out) {
  return QueryVector(p, kCmdGetVector0251, out);
}
bool GetCurrentPosition(CCommandProtocol& p, AxisVector* out) {
  return QueryVector(p, kCmdGetCurrentPosition, out);
}
bool SetByte_0258(CCommandProtocol& p, int value) {
  return SendBytes(p, kCmdSetByte0258, {ClampByte(value)}, Until::Accepted);
}
bool SetByte_025A(CCommandProtocol& p, int value) {
  return SendBytes(p, kCmdSetByte025A, {ClampByte(value)}, Until::Accepted);
}
bool GetVectorPair_025B(CCommandProtocol& p, AxisVector* first, AxisVector* second) {
  int32_t words[12];
  if (first == nullptr || second == nullptr) return false;
  if (!QueryWords(p, kCmdGetVectorPair025B, words, 12)) return false;
  std::copy(words, words + 6, first->value);
  std::copy(words + 6, words + 12, second->value);
  return true;
}
bool GetVector_025E(CCommandProtocol& p, AxisVector* out) {
  return QueryVector(p, kCmdGetVector025E, out);
}
bool SetVector_025F(CCommandProtocol& p, const AxisVector* in) {
  return SendVector(p, kCmdSetVector025F, in, Until::Completed);
}
bool GetVector_0265(CCommandProtocol& p, AxisVector* out) {
  return QueryVector(p, kCmdGetVector0265, out);
}

bool Move_0260(CCommandProtocol& p, const AxisVector* target, int speed) {
  return Move(p, kCmdMove0260, target, speed, 0);
}
bool Move_0262(CCommandProtocol& p, const AxisVector* target, int speed) {
  return Move(p, kCmdMove0262, target, speed, 0);
}
bool MoveTo(CCommandProtocol& p, const AxisVector* target, int speed) {
  return Move(p, kCmdMoveTo, target, speed, 0);
}
bool Move_0264(CCommandProtocol& p, const AxisVector* target, int first, int second) {
  return Move(p, kCmdMove0264, target, first, second);
}

bool SetSwitch_0270(CCommandProtocol& p, int on) {
  return Command(p, on != 0 ? kCmdSwitchOn0270 : kCmdSwitchOff0271, Until::Accepted);
}
bool Command_0272(CCommandProtocol& p) { return Command(p, kCmd0272, Until::Accepted); }
bool StopMotion(CCommandProtocol& p) { return Command(p, kCmdStopMotion, Until::Accepted); }
bool Command_0274(CCommandProtocol& p) { return Command(p, kCmd0274, Until::Accepted); }
bool SendZero_0275(CCommandProtocol& p) {
  return SendWord(p, kCmdSendZero0275, 0, Until::Accepted);
}
bool Command_0276_02(CCommandProtocol& p) {
  return SendBytes(p, kCmd0276, {0x02}, Until::Accepted);
}
bool Command_0276_03(CCommandProtocol& p) {
  return SendBytes(p, kCmd0276, {0x03}, Until::Accepted);
}
bool Command_0276_FF(CCommandProtocol& p) {
  return SendBytes(p, kCmd0276, {0xFF}, Until::Accepted);
}

// The machine drops its normal operation on 0x0277 and stops answering status polls as
// before, so neither the hand-over nor the word after it takes the lock or waits.
bool EnterUpdateMode(CCommandProtocol& p, int mode) {
  const uint8_t byte = LowByte(mode);
  return p.DirectWrite(kCmdEnterUpdateMode, &byte, 1);
}
bool SendZero_0279(CCommandProtocol& p) {
  const uint32_t zero = 0;
  return p.DirectWriteWords32(kCmdSendZero0279, &zero, 1);
}

int GetValue_027C(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue027C); }
bool SetValue_027D(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue027D, value, Until::Accepted);
}

bool GetUserCompensation(CCommandProtocol& p, int* x, int* y, int* z) {
  return GetCompensation(p, kCmdGetUserCompensation, x, y, z);
}
bool SetUserCompensation(CCommandProtocol& p, int x, int y, int z) {
  return SetCompensation(p, kCmdSetUserCompensation, x, y, z);
}
bool GetCompensation2(CCommandProtocol& p, int* x, int* y, int* z) {
  return GetCompensation(p, kCmdGetCompensation2, x, y, z);
}
bool SetCompensation2(CCommandProtocol& p, int x, int y, int z) {
  return SetCompensation(p, kCmdSetCompensation2, x, y, z);
}

bool SetTriple_0290(CCommandProtocol& p, int a, int b, int c) {
  const int32_t triple[3] = {a, b, c};
  return SendWords(p, kCmdSetTriple0290, triple, 3, Until::Accepted);
}

}  // namespace machine
