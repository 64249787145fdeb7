// Every command slot: its number, exact payload bytes in both byte orders, and what it waits for.
#include <functional>
#include <string>

#include "table_fixture.h"

namespace {

enum class Waits { Accepted, Completed, Nothing };

struct CommandCase {
  const char* name;
  std::function<bool(Tables&)> call;
  uint16_t code;
  Fields payload;
  Waits waits;
  bool locked = true;  // whether the write goes out under the cross-process lock
};

const AxisVector kVector = SampleVector();
const int kBlockA = 0x11223344, kBlockB = -2, kBlockC = 5;
const uint8_t kBlock6[6] = {1, 2, 3, 0xFD, 0xFE, 0xFF};

Fields Text(const char* text) {
  Fields fields;
  for (const char* c = text;; ++c) {
    fields.push_back({1, static_cast<uint8_t>(*c)});
    if (*c == '\0') return fields;
  }
}

// The 12-byte block travels as the host holds it (little-endian), whatever the machine's order.
Fields HostBlock12() {
  Fields fields;
  for (uint32_t word : {static_cast<uint32_t>(kBlockA), static_cast<uint32_t>(kBlockB),
                        static_cast<uint32_t>(kBlockC)}) {
    for (int i = 0; i < 4; ++i) fields.push_back({1, (word >> (8 * i)) & 0xFF});
  }
  return fields;
}

Fields Compensation(int64_t x, int64_t y, int64_t z) {
  return Words({x, y, z, 1000000, 1000000, 1000000});
}

constexpr Waits A = Waits::Accepted, C = Waits::Completed, N = Waits::Nothing;
// Row: name, the call on the tables, command number, payload, waits, under the lock (default).
#define CMD(name, expr, code, payload, ...) \
  CommandCase{name, [](Tables& t) { return t.expr; }, code, payload, __VA_ARGS__}

const std::vector<CommandCase>& Cases() {
  static const std::vector<CommandCase> cases = {
      // General table.
      CMD("SetValue_023F", control.SetValue_023F(-2), 0x023F, Words({-2}), A),
      CMD("SetValue_0240", control.SetValue_0240(7), 0x0240, Words({7}), A),
      CMD("SetValue_0241", control.SetValue_0241(0x01020304), 0x0241, Words({0x01020304}), A),
      CMD("SendZero_0275", control.SendZero_0275(), 0x0275, Words({0}), A),
      CMD("Command_0274", control.Command_0274(), 0x0274, {}, A),
      CMD("SetTriple_0290", control.SetTriple_0290(1, -2, 0x030405),
        0x0290, Words({1, -2, 0x030405}), A),
      CMD("Command_02E6", control.Command_02E6(), 0x02E6, {}, A),
      // Identity and service table.
      CMD("SetSerialNumber", service.SetSerialNumber("HVX4-0123"), 0x0201, Text("HVX4-0123"), C),
      CMD("SetShortCode", service.SetShortCode("A"), 0x0203, Text("A"), C),
      CMD("SetPair_0206", service.SetPair_0206(5, -6) == 1, 0x0206, Words({5, -6}), C),
      CMD("SetValue_0209", service.SetValue_0209(0) == 1, 0x0209, Words({0}), C),
      CMD("SetValue_020B", service.SetValue_020B(0x10203) == 1, 0x020B, Words({0x10203}), C),
      CMD("SetBlock12_020E", service.SetBlock12_020E(&kBlockA, &kBlockB, &kBlockC),
        0x020E, HostBlock12(), A),
      CMD("SetBlock6_0210", service.SetBlock6_0210(kBlock6),
        0x0210, RawBytes({1, 2, 3, 0xFD, 0xFE, 0xFF}), A),
      CMD("EnterUpdateMode", service.EnterUpdateMode(0x0102), 0x0277, RawBytes({0x02}), N, false),
      CMD("SendZero_0279 (service)", service.SendZero_0279(), 0x0279, Words({0}), N, false),
      CMD("SetByte_029A", service.SetByte_029A(0x1FE), 0x029A, RawBytes({0xFE}), A),
      CMD("Command_029B", service.Command_029B(), 0x029B, {}, A),
      CMD("Command_029C", service.Command_029C() == 1, 0x029C, {}, C),
      CMD("Command_02C4", service.Command_02C4(), 0x02C4, {}, A),
      CMD("Command_02E5", service.Command_02E5(), 0x02E5, {}, A),
      // Machine control table.
      CMD("Command_0004", hvx.Command_0004(), 0x0004, {}, N),
      CMD("SetByte_0258 above 255", hvx.SetByte_0258(300), 0x0258, RawBytes({255}), A),
      CMD("SetByte_025A below 0", hvx.SetByte_025A(-5), 0x025A, RawBytes({0}), A),
      CMD("SetVector_025F", hvx.SetVector_025F(&kVector) == 1, 0x025F, SampleVectorWords(), C),
      CMD("Move_0260", hvx.Move_0260(&kVector, 1000),
        0x0260, Join(Halves({1000, 0}), SampleVectorWords()), A),
      CMD("Move_0262", hvx.Move_0262(&kVector, 10000),
        0x0262, Join(Halves({10000, 0}), SampleVectorWords()), A),
      CMD("MoveTo", hvx.MoveTo(&kVector, 100),
        0x0263, Join(Halves({100, 0}), SampleVectorWords()), A),
      CMD("Move_0264", hvx.Move_0264(&kVector, 0x0102, 0x0304),
        0x0264, Join(Halves({0x0102, 0x0304}), SampleVectorWords()), A),
      CMD("SetSwitch_0270 on", hvx.SetSwitch_0270(2), 0x0270, {}, A),
      CMD("SetSwitch_0270 off", hvx.SetSwitch_0270(0), 0x0271, {}, A),
      CMD("Command_0272", hvx.Command_0272(), 0x0272, {}, A),
      CMD("StopMotion", hvx.StopMotion(), 0x0273, {}, A),
      CMD("Command_0276_02", hvx.Command_0276_02(), 0x0276, RawBytes({0x02}), A),
      CMD("Command_0276_03", hvx.Command_0276_03(), 0x0276, RawBytes({0x03}), A),
      CMD("Command_0276_FF", hvx.Command_0276_FF(), 0x0276, RawBytes({0xFF}), A),
      CMD("SendZero_0279 (control)", hvx.SendZero_0279(), 0x0279, Words({0}), N, false),
      CMD("SetValue_027D", hvx.SetValue_027D(-100), 0x027D, Words({-100}), A),
      CMD("SetUserCompensation zero", hvx.SetUserCompensation(0, 0, 0) == 1,
        0x0281, Compensation(1000000, 1000000, 1000000), C),
      CMD("SetUserCompensation", hvx.SetUserCompensation(50, -10, 0) == 1,
        0x0281, Compensation(1000050, 999990, 1000000), C),
      CMD("SetByte_029A (control)", hvx.SetByte_029A(3), 0x029A, RawBytes({3}), A),
      CMD("Command_029B (control)", hvx.Command_029B(), 0x029B, {}, A),
      CMD("Command_02C4 (control)", hvx.Command_02C4(), 0x02C4, {}, A),
      CMD("Command_0337", hvx.Command_0337() == 1, 0x0337, {}, C),
      CMD("MoveAxisX", hvx.MoveAxisX(203200, 1000, 80),
        0x0350, Join(Halves({80, 1000}), Words({203200})), A),
      CMD("MoveAxisY", hvx.MoveAxisY(152400, 1000, 60),
        0x0351, Join(Halves({60, 1000}), Words({152400})), A),
      CMD("MoveAxisZ", hvx.MoveAxisZ(-60500, 1000, 100),
        0x0352, Join(Halves({100, 1000}), Words({-60500})), A),
      CMD("SetValue_3002", hvx.SetValue_3002(42), 0x3002, Words({42}), A),
      CMD("SetSpindleSpeed", hvx.SetSpindleSpeed(7000), 0x3004, Words({7000}), A),
      CMD("SetSpindleOverride 300", hvx.SetSpindleOverride(300), 0x3006, RawBytes({255}), A),
      CMD("SetSpindleOverride -5", hvx.SetSpindleOverride(-5), 0x3006, RawBytes({0}), A),
      CMD("SetSpindleOverride 90", hvx.SetSpindleOverride(90), 0x3006, RawBytes({90}), A),
      CMD("SetByte_3101", hvx.SetByte_3101(0x1234) == 1, 0x3101, RawBytes({0x34}), C),
      CMD("SetVector_3107", hvx.SetVector_3107(&kVector) == 1, 0x3107, SampleVectorWords(), C),
      CMD("SetTriple_3201", hvx.SetTriple_3201(1, 0x102, 255) == 1,
        0x3201, RawBytes({1, 2, 255}), C),
      CMD("SetVector_3335", hvx.SetVector_3335(&kVector) == 1, 0x3335, SampleVectorWords(), C),
      CMD("SetWorkCoordinate 54", hvx.SetWorkCoordinate(54, &kVector),
        0x3336, SampleVectorWords(), C),
      CMD("SetWorkCoordinate 59", hvx.SetWorkCoordinate(59, &kVector),
        0x333B, SampleVectorWords(), C),
      CMD("SetExtWorkCoordinate 1", hvx.SetExtWorkCoordinate(1, &kVector),
        0x333C, SampleVectorWords(), C),
      CMD("SetExtWorkCoordinate 300", hvx.SetExtWorkCoordinate(300, &kVector),
        0x3467, SampleVectorWords(), C),
      CMD("SetFlag_3469 low byte zero", hvx.SetFlag_3469(0x100), 0x3469, RawBytes({0}), A),
      CMD("SetFlag_3469 set", hvx.SetFlag_3469(2), 0x3469, RawBytes({1}), A),
      CMD("SetIndexedValue_347B 1", hvx.SetIndexedValue_347B(1, 5) == 1, 0x347C, Words({5}), C),
      CMD("SetIndexedValue_347B 8", hvx.SetIndexedValue_347B(8, -1) == 1, 0x3483, Words({-1}), C),
      CMD("SetHalf_3500", hvx.SetHalf_3500(0x1234), 0x3500, Halves({0x1234}), A),
      CMD("SetHalfTriple_3501", hvx.SetHalfTriple_3501(1, 0x0203, -1),
        0x3501, Halves({1, 0x0203, 0xFFFF}), A),
      CMD("SetBytePair_0FFD low bytes", hvx.SetBytePair_0FFD(0x1FF, 0x200),
        0x0FFD, RawBytes({0xFF, 0}), A),
      CMD("Command_0FFB", hvx.Command_0FFB() == 1, 0x0FFB, {}, C),
      // Production and destructive service tables.
      CMD("Command_0231_FF", production.Command_0231_FF(), 0x0231, RawBytes({0xFF, 0x00}), A),
      CMD("Command_0231_00", production.Command_0231_00(), 0x0231, RawBytes({0x00, 0x00}), A),
      CMD("SetCompensation2", production.SetCompensation2(1, -2, 3) == 1,
        0x0283, Compensation(1000001, 999998, 1000003), C),
      CMD("ClearAllParameters", hvxService.ClearAllParameters(), 0x02E3, {}, A),
  };
  return cases;
}

class CommandPayloadTest : public TableTest {};

TEST_F(CommandPayloadTest, EachCommandSendsItsNumberAndPayloadInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    for (const CommandCase& c : Cases()) {
      SCOPED_TRACE(std::string(c.name) + (bigEndian ? " big-endian" : " little-endian"));
      machine.writes.clear();
      machine.statusReads = 0;
      UseBigEndianMachine(bigEndian);
      EXPECT_TRUE(c.call(tables));
      if (c.waits == Waits::Nothing) {
        EXPECT_EQ(machine.statusReads, 0);
      }
      ASSERT_EQ(machine.writes.size(), 1u);
      EXPECT_EQ(machine.writes[0].code, c.code);
      EXPECT_EQ(machine.writes[0].data, Encode(c.payload, bigEndian));
      EXPECT_EQ(machine.writes[0].locked, c.locked);
      EXPECT_EQ(machine.lockDepth, 0);
    }
  }
}

// A machine that accepts but never finishes.
TEST_F(CommandPayloadTest, OnlyCompletionCommandsWaitForTheMachineToFinish) {
  machine.neverFinishes = true;
  for (const CommandCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(tables), c.waits != Waits::Completed);
  }
}

// A machine that never accepts: whatever waits for acceptance or completion fails, and only
// the bare writes go through.
TEST_F(CommandPayloadTest, EveryCommandThatWaitsFailsWhenTheMachineNeverAccepts) {
  machine.neverAccepts = true;
  for (const CommandCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(tables), c.waits == Waits::Nothing);
  }
}

TEST_F(CommandPayloadTest, EveryCommandFailsWithoutAConnectedMachine) {
  machine.connected = false;
  for (const CommandCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(c.call(tables));
  }
  EXPECT_TRUE(machine.writes.empty());
}

}  // namespace
