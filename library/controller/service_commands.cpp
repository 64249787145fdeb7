// Service actions, reports, tables, parameter areas and records (commands 0x029A to 0x0FFF).
#include "command_codes.h"
#include "command_shapes.h"
#include "machine_commands.h"
#include "machine_records.h"

using namespace shapes;

namespace machine {
namespace {

bool MoveAxis(CCommandProtocol& p, uint16_t code, int target, int speed, int current) {
  const auto record = AxisMoveRecord(p, current, speed, target);
  return SendRaw(p, code, record.data(), kAxisMoveRecordSize, Until::Accepted);
}

}  // namespace

bool SetByte_029A(CCommandProtocol& p, int value) {
  return SendBytes(p, kCmdSetByte029A, {LowByte(value)}, Until::Accepted);
}
bool Command_029B(CCommandProtocol& p) { return Command(p, kCmd029B, Until::Accepted); }
bool Command_029C(CCommandProtocol& p) { return Command(p, kCmd029C, Until::Completed); }

bool GetSystemReport(CCommandProtocol& p, std::vector<char>& text) {
  text.clear();
  return p.ReadBulkText(kCmdSystemReport, text);
}

bool ReadWords_02C1(CCommandProtocol& p, uint16_t* buffer, int count) {
  return buffer != nullptr && count >= 0 && p.ReadWordTable(buffer, count);
}
bool WriteWords_02C2(CCommandProtocol& p, const uint16_t* data, int count) {
  return data != nullptr && count >= 0 && p.WriteWordTable(data, count);
}

bool GetHalfPair_02C3(CCommandProtocol& p, int16_t* a, int16_t* b) {
  return QueryHalfPair(p, kCmdGetHalfPair02C3, a, b);
}
bool Command_02C4(CCommandProtocol& p) { return Command(p, kCmd02C4, Until::Accepted); }
bool GetHalfPair_02C8(CCommandProtocol& p, int16_t* a, int16_t* b) {
  return QueryHalfPair(p, kCmdGetHalfPair02C8, a, b);
}

bool GetParameters(CCommandProtocol& p, std::vector<uint8_t>& area) {
  area.clear();
  return p.DumpArea(0, area);
}
bool PutParameters(CCommandProtocol& p, const void* data, int length) {
  return data != nullptr && length >= 0 && p.UploadArea(data, length);
}
bool ClearAllParameters(CCommandProtocol& p) {
  return Command(p, kCmdClearAllParameters, Until::Accepted);
}
bool Command_02E5(CCommandProtocol& p) { return Command(p, kCmd02E5, Until::Accepted); }
bool Command_02E6(CCommandProtocol& p) { return Command(p, kCmd02E6, Until::Accepted); }
bool GetParameters2(CCommandProtocol& p, std::vector<uint8_t>& area) {
  area.clear();
  return p.DumpArea(1, area);
}

bool GetRecord_0327(CCommandProtocol& p, DeviceRecord16* out) {
  return QueryRecord16(p, kCmdGetRecord0327, out);
}
bool Command_0337(CCommandProtocol& p) { return Command(p, kCmd0337, Until::Completed); }

bool MoveAxisX(CCommandProtocol& p, int target, int speed, int current) {
  return MoveAxis(p, kCmdMoveAxisX, target, speed, current);
}
bool MoveAxisY(CCommandProtocol& p, int target, int speed, int current) {
  return MoveAxis(p, kCmdMoveAxisY, target, speed, current);
}
bool MoveAxisZ(CCommandProtocol& p, int target, int speed, int current) {
  return MoveAxis(p, kCmdMoveAxisZ, target, speed, current);
}

bool Command_0FFB(CCommandProtocol& p) { return Command(p, kCmd0FFB, Until::Completed); }
bool GetRecord_0FFC(CCommandProtocol& p, DeviceRecord16* out) {
  return QueryRecord16(p, kCmdGetRecord0FFC, out);
}
bool SetBytePair_0FFD(CCommandProtocol& p, int first, int flag) {
  return SendBytes(p, kCmdSetBytePair0FFD, {LowByte(first), FlagByte(flag)}, Until::Accepted);
}
int GetByte_0FFE(CCommandProtocol& p) { return QueryByte(p, kCmdGetByte0FFE); }
int GetByte_0FFF(CCommandProtocol& p) { return QueryByte(p, kCmdGetByte0FFF); }

}  // namespace machine
