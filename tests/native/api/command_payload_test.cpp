// Every command slot: the command number, the exact payload bytes in both byte orders, and
// how long it waits (acceptance, completion, or nothing at all).
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
  bool locked;  // whether the write goes out under the cross-process lock
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

// The 12-byte block travels as the host holds it, little-endian here, whatever the machine's
// byte order.
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

const std::vector<CommandCase>& Cases() {
  static const std::vector<CommandCase> cases = {
      // General table.
      {"SetValue_023F", [](Tables& t) { return t.control.SetValue_023F(-2); }, 0x023F,
       Words({-2}), Waits::Accepted, true},
      {"SetValue_0240", [](Tables& t) { return t.control.SetValue_0240(7); }, 0x0240,
       Words({7}), Waits::Accepted, true},
      {"SetValue_0241", [](Tables& t) { return t.control.SetValue_0241(0x01020304); }, 0x0241,
       Words({0x01020304}), Waits::Accepted, true},
      {"SendZero_0275", [](Tables& t) { return t.control.SendZero_0275(); }, 0x0275, Words({0}),
       Waits::Accepted, true},
      {"Command_0274", [](Tables& t) { return t.control.Command_0274(); }, 0x0274, {},
       Waits::Accepted, true},
      {"SetTriple_0290", [](Tables& t) { return t.control.SetTriple_0290(1, -2, 0x030405); },
       0x0290, Words({1, -2, 0x030405}), Waits::Accepted, true},
      {"Command_02E6", [](Tables& t) { return t.control.Command_02E6(); }, 0x02E6, {},
       Waits::Accepted, true},

      // Identity and service table.
      {"SetSerialNumber", [](Tables& t) { return t.service.SetSerialNumber("HVX4-0123"); },
       0x0201, Text("HVX4-0123"), Waits::Completed, true},
      {"SetShortCode", [](Tables& t) { return t.service.SetShortCode("A"); }, 0x0203,
       Text("A"), Waits::Completed, true},
      {"SetPair_0206", [](Tables& t) { return t.service.SetPair_0206(5, -6) == 1; }, 0x0206,
       Words({5, -6}), Waits::Completed, true},
      {"SetValue_0209", [](Tables& t) { return t.service.SetValue_0209(0) == 1; }, 0x0209,
       Words({0}), Waits::Completed, true},
      {"SetValue_020B", [](Tables& t) { return t.service.SetValue_020B(0x10203) == 1; },
       0x020B, Words({0x10203}), Waits::Completed, true},
      {"SetBlock12_020E",
       [](Tables& t) { return t.service.SetBlock12_020E(&kBlockA, &kBlockB, &kBlockC); },
       0x020E, HostBlock12(), Waits::Accepted, true},
      {"SetBlock6_0210", [](Tables& t) { return t.service.SetBlock6_0210(kBlock6); }, 0x0210,
       RawBytes({1, 2, 3, 0xFD, 0xFE, 0xFF}), Waits::Accepted, true},
      {"EnterUpdateMode", [](Tables& t) { return t.service.EnterUpdateMode(0x0102); }, 0x0277,
       RawBytes({0x02}), Waits::Nothing, false},
      {"SendZero_0279 (service)", [](Tables& t) { return t.service.SendZero_0279(); }, 0x0279,
       Words({0}), Waits::Nothing, false},
      {"SetByte_029A", [](Tables& t) { return t.service.SetByte_029A(0x1FE); }, 0x029A,
       RawBytes({0xFE}), Waits::Accepted, true},
      {"Command_029B", [](Tables& t) { return t.service.Command_029B(); }, 0x029B, {},
       Waits::Accepted, true},
      {"Command_029C", [](Tables& t) { return t.service.Command_029C() == 1; }, 0x029C, {},
       Waits::Completed, true},
      {"Command_02C4", [](Tables& t) { return t.service.Command_02C4(); }, 0x02C4, {},
       Waits::Accepted, true},
      {"Command_02E5", [](Tables& t) { return t.service.Command_02E5(); }, 0x02E5, {},
       Waits::Accepted, true},

      // Machine control table.
      {"Command_0004", [](Tables& t) { return t.hvx.Command_0004(); }, 0x0004, {},
       Waits::Nothing, true},
      {"SetByte_0258 above 255", [](Tables& t) { return t.hvx.SetByte_0258(300); }, 0x0258,
       RawBytes({255}), Waits::Accepted, true},
      {"SetByte_025A below 0", [](Tables& t) { return t.hvx.SetByte_025A(-5); }, 0x025A,
       RawBytes({0}), Waits::Accepted, true},
      {"SetVector_025F", [](Tables& t) { return t.hvx.SetVector_025F(&kVector) == 1; }, 0x025F,
       SampleVectorWords(), Waits::Completed, true},
      {"Move_0260", [](Tables& t) { return t.hvx.Move_0260(&kVector, 1000); }, 0x0260,
       Join(Halves({1000, 0}), SampleVectorWords()), Waits::Accepted, true},
      {"Move_0262", [](Tables& t) { return t.hvx.Move_0262(&kVector, 10000); }, 0x0262,
       Join(Halves({10000, 0}), SampleVectorWords()), Waits::Accepted, true},
      {"MoveTo", [](Tables& t) { return t.hvx.MoveTo(&kVector, 100); }, 0x0263,
       Join(Halves({100, 0}), SampleVectorWords()), Waits::Accepted, true},
      {"Move_0264", [](Tables& t) { return t.hvx.Move_0264(&kVector, 0x0102, 0x0304); }, 0x0264,
       Join(Halves({0x0102, 0x0304}), SampleVectorWords()), Waits::Accepted, true},
      {"SetSwitch_0270 on", [](Tables& t) { return t.hvx.SetSwitch_0270(2); }, 0x0270, {},
       Waits::Accepted, true},
      {"SetSwitch_0270 off", [](Tables& t) { return t.hvx.SetSwitch_0270(0); }, 0x0271, {},
       Waits::Accepted, true},
      {"Command_0272", [](Tables& t) { return t.hvx.Command_0272(); }, 0x0272, {},
       Waits::Accepted, true},
      {"StopMotion", [](Tables& t) { return t.hvx.StopMotion(); }, 0x0273, {}, Waits::Accepted,
       true},
      {"Command_0276_02", [](Tables& t) { return t.hvx.Command_0276_02(); }, 0x0276,
       RawBytes({0x02}), Waits::Accepted, true},
      {"Command_0276_03", [](Tables& t) { return t.hvx.Command_0276_03(); }, 0x0276,
       RawBytes({0x03}), Waits::Accepted, true},
      {"Command_0276_FF", [](Tables& t) { return t.hvx.Command_0276_FF(); }, 0x0276,
       RawBytes({0xFF}), Waits::Accepted, true},
      {"SendZero_0279 (control)", [](Tables& t) { return t.hvx.SendZero_0279(); }, 0x0279,
       Words({0}), Waits::Nothing, false},
      {"SetValue_027D", [](Tables& t) { return t.hvx.SetValue_027D(-100); }, 0x027D,
       Words({-100}), Waits::Accepted, true},
      {"SetUserCompensation zero",
       [](Tables& t) { return t.hvx.SetUserCompensation(0, 0, 0) == 1; }, 0x0281,
       Compensation(1000000, 1000000, 1000000), Waits::Completed, true},
      {"SetUserCompensation", [](Tables& t) { return t.hvx.SetUserCompensation(50, -10, 0) == 1; },
       0x0281, Compensation(1000050, 999990, 1000000), Waits::Completed, true},
      {"SetByte_029A (control)", [](Tables& t) { return t.hvx.SetByte_029A(3); }, 0x029A,
       RawBytes({3}), Waits::Accepted, true},
      {"Command_029B (control)", [](Tables& t) { return t.hvx.Command_029B(); }, 0x029B, {},
       Waits::Accepted, true},
      {"Command_02C4 (control)", [](Tables& t) { return t.hvx.Command_02C4(); }, 0x02C4, {},
       Waits::Accepted, true},
      {"Command_0337", [](Tables& t) { return t.hvx.Command_0337() == 1; }, 0x0337, {},
       Waits::Completed, true},
      {"MoveAxisX", [](Tables& t) { return t.hvx.MoveAxisX(203200, 1000, 80); }, 0x0350,
       Join(Halves({80, 1000}), Words({203200})), Waits::Accepted, true},
      {"MoveAxisY", [](Tables& t) { return t.hvx.MoveAxisY(152400, 1000, 60); }, 0x0351,
       Join(Halves({60, 1000}), Words({152400})), Waits::Accepted, true},
      {"MoveAxisZ", [](Tables& t) { return t.hvx.MoveAxisZ(-60500, 1000, 100); }, 0x0352,
       Join(Halves({100, 1000}), Words({-60500})), Waits::Accepted, true},
      {"SetValue_3002", [](Tables& t) { return t.hvx.SetValue_3002(42); }, 0x3002, Words({42}),
       Waits::Accepted, true},
      {"SetSpindleSpeed", [](Tables& t) { return t.hvx.SetSpindleSpeed(7000); }, 0x3004,
       Words({7000}), Waits::Accepted, true},
      {"SetSpindleSpeed stop", [](Tables& t) { return t.hvx.SetSpindleSpeed(0); }, 0x3004,
       Words({0}), Waits::Accepted, true},
      {"SetSpindleOverride 300", [](Tables& t) { return t.hvx.SetSpindleOverride(300); }, 0x3006,
       RawBytes({255}), Waits::Accepted, true},
      {"SetSpindleOverride -5", [](Tables& t) { return t.hvx.SetSpindleOverride(-5); }, 0x3006,
       RawBytes({0}), Waits::Accepted, true},
      {"SetSpindleOverride 90", [](Tables& t) { return t.hvx.SetSpindleOverride(90); }, 0x3006,
       RawBytes({90}), Waits::Accepted, true},
      {"SetByte_3101", [](Tables& t) { return t.hvx.SetByte_3101(0x1234) == 1; }, 0x3101,
       RawBytes({0x34}), Waits::Completed, true},
      {"SetVector_3107", [](Tables& t) { return t.hvx.SetVector_3107(&kVector) == 1; }, 0x3107,
       SampleVectorWords(), Waits::Completed, true},
      {"SetTriple_3201", [](Tables& t) { return t.hvx.SetTriple_3201(1, 0x102, 255) == 1; },
       0x3201, RawBytes({1, 2, 255}), Waits::Completed, true},
      {"SetVector_3335", [](Tables& t) { return t.hvx.SetVector_3335(&kVector) == 1; }, 0x3335,
       SampleVectorWords(), Waits::Completed, true},
      {"SetWorkCoordinate 54", [](Tables& t) { return t.hvx.SetWorkCoordinate(54, &kVector); },
       0x3336, SampleVectorWords(), Waits::Completed, true},
      {"SetWorkCoordinate 59", [](Tables& t) { return t.hvx.SetWorkCoordinate(59, &kVector); },
       0x333B, SampleVectorWords(), Waits::Completed, true},
      {"SetExtWorkCoordinate 1",
       [](Tables& t) { return t.hvx.SetExtWorkCoordinate(1, &kVector); }, 0x333C,
       SampleVectorWords(), Waits::Completed, true},
      {"SetExtWorkCoordinate 300",
       [](Tables& t) { return t.hvx.SetExtWorkCoordinate(300, &kVector); }, 0x3467,
       SampleVectorWords(), Waits::Completed, true},
      {"SetFlag_3469 low byte zero", [](Tables& t) { return t.hvx.SetFlag_3469(0x100); },
       0x3469, RawBytes({0}), Waits::Accepted, true},
      {"SetFlag_3469 set", [](Tables& t) { return t.hvx.SetFlag_3469(2); }, 0x3469,
       RawBytes({1}), Waits::Accepted, true},
      {"SetIndexedValue_347B 1", [](Tables& t) { return t.hvx.SetIndexedValue_347B(1, 5) == 1; },
       0x347C, Words({5}), Waits::Completed, true},
      {"SetIndexedValue_347B 8", [](Tables& t) { return t.hvx.SetIndexedValue_347B(8, -1) == 1; },
       0x3483, Words({-1}), Waits::Completed, true},
      {"SetHalf_3500", [](Tables& t) { return t.hvx.SetHalf_3500(0x1234); }, 0x3500,
       Halves({0x1234}), Waits::Accepted, true},
      {"SetHalfTriple_3501", [](Tables& t) { return t.hvx.SetHalfTriple_3501(1, 0x0203, -1); },
       0x3501, Halves({1, 0x0203, 0xFFFF}), Waits::Accepted, true},
      {"SetBytePair_0FFD", [](Tables& t) { return t.hvx.SetBytePair_0FFD(1, 1); }, 0x0FFD,
       RawBytes({1, 1}), Waits::Accepted, true},
      {"SetBytePair_0FFD low bytes", [](Tables& t) { return t.hvx.SetBytePair_0FFD(0x1FF, 0x200); },
       0x0FFD, RawBytes({0xFF, 0}), Waits::Accepted, true},
      {"Command_0FFB", [](Tables& t) { return t.hvx.Command_0FFB() == 1; }, 0x0FFB, {},
       Waits::Completed, true},

      // Production and destructive service tables.
      {"Command_0231_FF", [](Tables& t) { return t.production.Command_0231_FF(); }, 0x0231,
       RawBytes({0xFF, 0x00}), Waits::Accepted, true},
      {"Command_0231_00", [](Tables& t) { return t.production.Command_0231_00(); }, 0x0231,
       RawBytes({0x00, 0x00}), Waits::Accepted, true},
      {"SetCompensation2", [](Tables& t) { return t.production.SetCompensation2(1, -2, 3) == 1; },
       0x0283, Compensation(1000001, 999998, 1000003), Waits::Completed, true},
      {"ClearAllParameters", [](Tables& t) { return t.hvxService.ClearAllParameters(); }, 0x02E3,
       {}, Waits::Accepted, true},
  };
  return cases;
}

class CommandPayloadTest : public TableTest {};

TEST_F(CommandPayloadTest, EachCommandSendsItsNumberAndPayloadInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    for (const CommandCase& c : Cases()) {
      SCOPED_TRACE(std::string(c.name) + (bigEndian ? " big-endian" : " little-endian"));
      machine.writes.clear();
      UseBigEndianMachine(bigEndian);
      EXPECT_TRUE(c.call(tables));
      ASSERT_EQ(machine.writes.size(), 1u);
      EXPECT_EQ(machine.writes[0].code, c.code);
      EXPECT_EQ(machine.writes[0].data, Encode(c.payload, bigEndian));
      EXPECT_EQ(machine.writes[0].locked, c.locked);
      EXPECT_EQ(machine.lockDepth, 0);
    }
  }
}

// A machine that accepts but never finishes tells the commands that wait for completion from
// those that return once accepted.
TEST_F(CommandPayloadTest, OnlyCompletionCommandsWaitForTheMachineToFinish) {
  machine.neverFinishes = true;
  for (const CommandCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(tables), c.waits != Waits::Completed);
  }
}

TEST_F(CommandPayloadTest, DirectWritesNeverReadTheStatus) {
  for (const CommandCase& c : Cases()) {
    if (c.waits != Waits::Nothing) continue;
    SCOPED_TRACE(c.name);
    machine.statusReads = 0;
    EXPECT_TRUE(c.call(tables));
    EXPECT_EQ(machine.statusReads, 0);
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
