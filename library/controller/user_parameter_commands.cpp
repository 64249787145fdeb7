// Spindle, sensors and user parameters (commands 0x3000 to 0x3501).
#include "command_codes.h"
#include "command_shapes.h"
#include "machine_commands.h"

using namespace shapes;

namespace machine {
namespace {

bool InRange(int number, int first, int last) { return number >= first && number <= last; }

uint16_t Offset(uint16_t base, int number) { return static_cast<uint16_t>(base + number); }

}  // namespace

int GetSpindleSpeed(CCommandProtocol& p) { return QueryWord(p, kCmdGetSpindleSpeed); }
int GetValue_3001(CCommandProtocol& p) { return QueryWord(p, kCmdGetValue3001); }
bool SetValue_3002(CCommandProtocol& p, int value) {
  return SendWord(p, kCmdSetValue3002, value, Until::Accepted);
}
bool GetPair_3003(CCommandProtocol& p, int* a, int* b) {
  return QueryPair(p, kCmdGetPair3003, a, b);
}
bool SetSpindleSpeed(CCommandProtocol& p, int rpm) {
  return SendWord(p, kCmdSetSpindleSpeed, rpm, Until::Accepted);
}
int GetSpindleOverride(CCommandProtocol& p) { return QueryByte(p, kCmdGetSpindleOverride); }
bool SetSpindleOverride(CCommandProtocol& p, int percent) {
  return SendBytes(p, kCmdSetSpindleOverride, {ClampByte(percent)}, Until::Accepted);
}

int GetByte_3100(CCommandProtocol& p) { return QueryByte(p, kCmdGetByte3100); }
bool SetByte_3101(CCommandProtocol& p, int value) {
  return SendBytes(p, kCmdSetByte3101, {LowByte(value)}, Until::Completed);
}
bool GetVector_3106(CCommandProtocol& p, AxisVector* out) {
  return QueryVector(p, kCmdGetVector3106, out);
}
bool SetVector_3107(CCommandProtocol& p, const AxisVector* in) {
  return SendVector(p, kCmdSetVector3107, in, Until::Completed);
}

bool GetTriple_3200(CCommandProtocol& p, int* a, int* b, int* c) {
  // Callers read the three values whether or not the query succeeded, so a failed or partial
  // reply leaves zeros rather than whatever half arrived.
  uint8_t triple[3] = {0, 0, 0};
  const bool ok = p.QueryExact(kCmdGetTriple3200, triple, 3);
  if (!ok) triple[0] = triple[1] = triple[2] = 0;
  if (a != nullptr) *a = triple[0];
  if (b != nullptr) *b = triple[1];
  if (c != nullptr) *c = triple[2];
  return ok;
}
bool SetTriple_3201(CCommandProtocol& p, int a, int b, int c) {
  return SendBytes(p, kCmdSetTriple3201, {LowByte(a), LowByte(b), LowByte(c)}, Until::Completed);
}
bool GetVector_3202(CCommandProtocol& p, AxisVector* out) {
  return QueryVector(p, kCmdGetVector3202, out);
}
bool SetVector_3335(CCommandProtocol& p, const AxisVector* in) {
  return SendVector(p, kCmdSetVector3335, in, Until::Completed);
}

bool GetWorkCoordinate(CCommandProtocol& p, int number, AxisVector* out) {
  return InRange(number, kFirstWorkCoordinate, kLastWorkCoordinate) &&
         QueryVector(p, Offset(kCmdWorkCoordinateGetBase, number), out);
}
bool SetWorkCoordinate(CCommandProtocol& p, int number, const AxisVector* in) {
  return InRange(number, kFirstWorkCoordinate, kLastWorkCoordinate) &&
         SendVector(p, Offset(kCmdWorkCoordinateSetBase, number), in, Until::Completed);
}
bool GetExtWorkCoordinate(CCommandProtocol& p, int number, AxisVector* out) {
  return InRange(number, kFirstExtWorkCoordinate, kLastExtWorkCoordinate) &&
         QueryVector(p, Offset(kCmdExtWorkCoordinateGetBase, number), out);
}
bool SetExtWorkCoordinate(CCommandProtocol& p, int number, const AxisVector* in) {
  return InRange(number, kFirstExtWorkCoordinate, kLastExtWorkCoordinate) &&
         SendVector(p, Offset(kCmdExtWorkCoordinateSetBase, number), in, Until::Completed);
}

bool SetFlag_3469(CCommandProtocol& p, int flag) {
  return SendBytes(p, kCmdSetFlag3469, {FlagByte(flag)}, Until::Accepted);
}
// The tool uses indexes 1 to 8.
bool GetIndexedValue_346B(CCommandProtocol& p, int index, int* out) {
  int32_t value;
  if (out == nullptr || !InRange(index, kFirstIndexedValue, kLastIndexedValue) ||
      !QueryWords(p, Offset(kCmdIndexedValueGetBase, index), &value, 1)) {
    return false;
  }
  *out = value;
  return true;
}
bool SetIndexedValue_347B(CCommandProtocol& p, int index, int value) {
  return InRange(index, kFirstIndexedValue, kLastIndexedValue) &&
         SendWord(p, Offset(kCmdIndexedValueSetBase, index), value, Until::Completed);
}
bool SetHalf_3500(CCommandProtocol& p, int value) {
  return SendHalves(p, kCmdSetHalf3500, {value});
}
bool SetHalfTriple_3501(CCommandProtocol& p, int a, int b, int c) {
  return SendHalves(p, kCmdSetHalfTriple3501, {a, b, c});
}

}  // namespace machine
