// Every operation of the controller wrapper must reach its own slot of the right table with its
// arguments in order and hand the answer back unchanged; unbound, it must answer zero and call
// nothing.
#include <gtest/gtest.h>

#include <functional>

#include "fake_library.h"
#include "fake_platform.h"
#include "hvx_all_ctr.h"

namespace {

struct Slot {
  const char* op;
  std::function<intptr_t(CHVXController&)> call;
  std::vector<intptr_t> args;
};

intptr_t R(bool v) { return v ? 1 : 0; }
intptr_t R(int v) { return v; }
intptr_t R(const char* v) { return reinterpret_cast<intptr_t>(v); }
intptr_t P(const void* p) { return reinterpret_cast<intptr_t>(p); }

AxisVector v1, v2;
int a, b, c;
int16_t h1, h2;
char text[8];
uint8_t six[6];
uint16_t words[4];
uint32_t s1, s2;
DeviceRecord16 rec;
const char* path = "C:\\cut.prn";
const char* const jobName = "job";
const char* const queueName = "HVX queue";

#define S(op, expr, ...) Slot{op, [](CHVXController& w) { return R(w.expr); }, {__VA_ARGS__}}

// Slots 1 to 120 without 4 (OutputBuffer is the wrapper's own), in slot order.
const std::vector<Slot>& Slots() {
  static const std::vector<Slot> slots = {
      S("Service.GetVersion", GetServiceApiVersion()),
      S("Service.ClearAllParameters", ClearAllParameters()),
      S("Control.GetVersion", GetControlApiVersion()),
      S("Control.OutputFile", OutputFile(&path, jobName), P(&path), P(jobName)),
      S("Control.SendData", SendData(text, 5), P(text), 5),
      S("Control.Command_0004", Command_0004()),
      S("Remote.ReadDeviceBlock", ReadDeviceBlock(text, 8), P(text), 8),
      S("Control.ReadDeviceRecord", ReadDeviceRecord(text), P(text)),
      S("Control.GetPair_0248", GetPair_0248(&a, &b), P(&a), P(&b)),
      S("Control.GetVector_0251", GetVector_0251(&v1), P(&v1)),
      S("Control.GetCurrentPosition", GetCurrentPosition(&v1), P(&v1)),
      S("Control.SetByte_0258", SetByte_0258(0x58), 0x58),
      S("Control.SetByte_025A", SetByte_025A(0x5A), 0x5A),
      S("Control.GetVectorPair_025B", GetVectorPair_025B(&v1, &v2), P(&v1), P(&v2)),
      S("Control.GetVector_025E", GetVector_025E(&v1), P(&v1)),
      S("Control.SetVector_025F", SetVector_025F(&v2), P(&v2)),
      S("Control.GetVector_0265", GetVector_0265(&v1), P(&v1)),
      S("Control.Move_0260", Move_0260(&v1, 100), P(&v1), 100),
      S("Control.Move_0262", Move_0262(&v2, 1000), P(&v2), 1000),
      S("Control.MoveTo", MoveTo(&v1, 3000), P(&v1), 3000),
      S("Control.Move_0264", Move_0264(&v1, 7, 9), P(&v1), 7, 9),
      S("Control.SetSwitch_0270", SetSwitch_0270(1), 1),
      S("Control.Command_0272", Command_0272()),
      S("Control.StopMotion", StopMotion()),
      S("Control.Command_0276_02", Command_0276_02()),
      S("Control.Command_0276_03", Command_0276_03()),
      S("Control.Command_0276_FF", Command_0276_FF()),
      S("Control.SendZero_0279", SendZero_0279()),
      S("Control.GetValue_027C", GetValue_027C()),
      S("Control.SetValue_027D", SetValue_027D(-5), -5),
      S("Control.GetUserCompensation", GetUserCompensation(&a, &b, &c), P(&a), P(&b), P(&c)),
      S("Control.SetUserCompensation", SetUserCompensation(-1, 2, -3), -1, 2, -3),
      S("Control.SetByte_029A", SetByte_029A(0x9A), 0x9A),
      S("Control.Command_029B", Command_029B()),
      S("Control.GetHalfPair_02C3", GetHalfPair_02C3(&h1, &h2), P(&h1), P(&h2)),
      S("Control.Command_02C4", Command_02C4()),
      S("Control.GetHalfPair_02C8", GetHalfPair_02C8(&h2, &h1), P(&h2), P(&h1)),
      S("Control.GetRecord_0327", GetRecord_0327(&rec), P(&rec)),
      S("Control.Command_0337", Command_0337()),
      S("Control.MoveAxisX", MoveAxisX(203200, 100, 5), 203200, 100, 5),
      S("Control.MoveAxisY", MoveAxisY(152400, 1000, 6), 152400, 1000, 6),
      S("Control.MoveAxisZ", MoveAxisZ(-60500, 3000, 7), -60500, 3000, 7),
      S("Control.GetSpindleSpeed", GetSpindleSpeed()),
      S("Control.GetValue_3001", GetValue_3001()),
      S("Control.SetValue_3002", SetValue_3002(32), 32),
      S("Control.GetPair_3003", GetPair_3003(&b, &a), P(&b), P(&a)),
      S("Control.SetSpindleSpeed", SetSpindleSpeed(10000), 10000),
      S("Control.GetSpindleOverride", GetSpindleOverride()),
      S("Control.SetSpindleOverride", SetSpindleOverride(120), 120),
      S("Control.GetByte_3100", GetByte_3100()),
      S("Control.SetByte_3101", SetByte_3101(3), 3),
      S("Control.GetVector_3106", GetVector_3106(&v1), P(&v1)),
      S("Control.SetVector_3107", SetVector_3107(&v2), P(&v2)),
      S("Control.GetTriple_3200", GetTriple_3200(&c, &b, &a), P(&c), P(&b), P(&a)),
      S("Control.SetTriple_3201", SetTriple_3201(4, 5, 6), 4, 5, 6),
      S("Control.GetVector_3202", GetVector_3202(&v2), P(&v2)),
      S("Control.SetVector_3335", SetVector_3335(&v1), P(&v1)),
      S("Control.GetWorkCoordinate", GetWorkCoordinate(2, &v1), 2, P(&v1)),
      S("Control.SetWorkCoordinate", SetWorkCoordinate(3, &v2), 3, P(&v2)),
      S("Control.GetExtWorkCoordinate", GetExtWorkCoordinate(4, &v1), 4, P(&v1)),
      S("Control.SetExtWorkCoordinate", SetExtWorkCoordinate(5, &v2), 5, P(&v2)),
      S("Control.SetFlag_3469", SetFlag_3469(1), 1),
      S("Control.GetIndexedValue_346B", GetIndexedValue_346B(9, &a), 9, P(&a)),
      S("Control.SetIndexedValue_347B", SetIndexedValue_347B(8, 77), 8, 77),
      S("Control.SetHalf_3500", SetHalf_3500(12), 12),
      S("Control.SetHalfTriple_3501", SetHalfTriple_3501(1, 2, 3), 1, 2, 3),
      S("Control.GetByte_0FFE", GetByte_0FFE()),
      S("Control.SetBytePair_0FFD", SetBytePair_0FFD(6, 1), 6, 1),
      S("Control.GetRecord_0FFC", GetRecord_0FFC(&rec), P(&rec)),
      S("Control.Command_0FFB", Command_0FFB()),
      S("Control.GetByte_0FFF", GetByte_0FFF()),
      S("Control.ConnectSimulator", ConnectSimulator(0x1234), 0x1234),
      S("Connect.GetVersion", GetConnectApiVersion()),
      S("Connect.Connect", Connect(queueName), P(queueName)),
      S("Connect.Reconnect", Reconnect()),
      S("Connect.CheckConnection", CheckConnection()),
      S("Connect.EnumerateDevices", EnumerateDevices()),
      S("Connect.GetDeviceNameAt", GetDeviceNameAt(1), 1),
      S("Connect.GetDeviceName", GetDeviceName(text, 8), P(text), 8),
      S("Connect.Disconnect", Disconnect()),
      S("Remote.GetVersion", GetRemoteControlApiVersion()),
      S("Remote.GetStatus", GetStatus(&s1, &s2), P(&s1), P(&s2)),
      S("Remote.GetString_0211", GetString_0211(text, 7), P(text), 7),
      S("Remote.GetFirmwareVersion", GetFirmwareVersion(text, 10), P(text), 10),
      S("Remote.GetSerialNumber", GetSerialNumber(text, 10), P(text), 10),
      S("Remote.GetShortCode", GetShortCode(text, 3), P(text), 3),
      S("Remote.GetValue_0207", GetValue_0207()),
      S("Remote.GetDeviceId", GetDeviceId(text, 6), P(text), 6),
      S("Remote.GetValue_0230", GetValue_0230()),
      S("Remote.GetInputState", GetInputState()),
      S("Remote.SetValue_023F", SetValue_023F(0x3F), 0x3F),
      S("Remote.SetValue_0240", SetValue_0240(0x40), 0x40),
      S("Remote.SetValue_0241", SetValue_0241(0x41), 0x41),
      S("Remote.SendZero_0275", SendZero_0275()),
      S("Remote.Command_0274", Command_0274()),
      S("Remote.SetTriple_0290", SetTriple_0290(9, 8, 7), 9, 8, 7),
      S("Remote.Unsupported", Unsupported(11, 22), 11, 22),
      S("Remote.Command_02E6", Command_02E6()),
      S("RService.GetVersion", GetRemoteServiceApiVersion()),
      S("RService.SetSerialNumber", SetSerialNumber(text), P(text)),
      S("RService.SetShortCode", SetShortCode(text + 1), P(text + 1)),
      S("RService.GetValue_0205", GetValue_0205()),
      S("RService.SetPair_0206", SetPair_0206(3, 4), 3, 4),
      S("RService.GetValue_0208", GetValue_0208()),
      S("RService.SetValue_0209", SetValue_0209(0), 0),
      S("RService.GetValue_020A", GetValue_020A()),
      S("RService.SetValue_020B", SetValue_020B(11), 11),
      S("RService.GetBlock12_020D", GetBlock12_020D(&a, &b, &c), P(&a), P(&b), P(&c)),
      S("RService.SetBlock12_020E", SetBlock12_020E(&c, &a, &b), P(&c), P(&a), P(&b)),
      S("RService.GetBlock6_020F", GetBlock6_020F(six), P(six)),
      S("RService.SetBlock6_0210", SetBlock6_0210(six + 1), P(six + 1)),
      S("RService.EnterUpdateMode", EnterUpdateMode(2), 2),
      S("RService.Command_029C", Command_029C()),
      S("RService.ReadWords_02C1", ReadWords_02C1(words, 4), P(words), 4),
      S("RService.GetSystemReport", GetSystemReport(text, 8), P(text), 8),
      S("RService.GetParameters", GetParameters(text, 4), P(text), 4),
      S("RService.PutParameters", PutParameters(text, 3), P(text), 3),
      S("RService.Command_02E5", Command_02E5()),
      S("RService.GetParameters2", GetParameters2(six, 6), P(six), 6),
  };
  return slots;
}

class WrapperForwarding : public ::testing::Test {
 protected:
  void SetUp() override {
    g_fakeLibrary.Reset();
    g_calls.clear();
  }
  ScratchFolder scratch;
  TestFileStore files{scratch.WinPath()};
  TestNotice notice;
  TestImage image;
  TestLoader loader;
  CToolPlatform platform{loader, files, notice, image};
};

}  // namespace

TEST_F(WrapperForwarding, EverySlotReachesItsTableOperationWithItsArgumentsAndResult) {
  CHVXAllCtr wrapper(platform);
  ASSERT_EQ(119u, Slots().size());
  for (const Slot& slot : Slots()) {
    g_calls.clear();
    intptr_t result = slot.call(wrapper);
    const std::string op = slot.op;
    if (op.find(".GetVersion") != std::string::npos) {
      EXPECT_STRNE("", reinterpret_cast<const char*>(result)) << op;
      EXPECT_TRUE(g_calls.empty()) << op;
      continue;
    }
    ASSERT_EQ(1u, g_calls.size()) << op;
    EXPECT_EQ(op, g_calls[0].op);
    EXPECT_EQ(slot.args, g_calls[0].args) << op;
    // The fakes answer true, kFakeInt or kFakeText: anything else was not passed back.
    EXPECT_TRUE(result == 1 || result == kFakeInt || result == R(kFakeText)) << op;
  }
}

TEST_F(WrapperForwarding, VersionForwardersReportEachTablesOwnVersion) {
  CHVXAllCtr wrapper(platform);
  EXPECT_STREQ("V100", wrapper.GetConnectApiVersion());
  EXPECT_STREQ("V102", wrapper.GetRemoteServiceApiVersion());
  EXPECT_EQ(g_fakeLibrary.control.version.c_str(), wrapper.GetControlApiVersion());
  EXPECT_EQ(g_fakeLibrary.service.version.c_str(), wrapper.GetServiceApiVersion());
  EXPECT_EQ(g_fakeLibrary.remoteControl.version.c_str(), wrapper.GetRemoteControlApiVersion());
}

TEST_F(WrapperForwarding, UnboundWrapperAnswersZeroAndCallsNothing) {
  CHVXAllCtr wrapper(platform, true);
  for (const Slot& slot : Slots()) {
    EXPECT_EQ(0, slot.call(wrapper)) << slot.op;
  }
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(WrapperForwarding, UnboundGetStatusLeavesItsOutputsUntouched) {
  CHVXAllCtr wrapper(platform, true);
  uint32_t state = 0x1234, handshake = 0x5678;
  EXPECT_EQ(0, wrapper.GetStatus(&state, &handshake));
  EXPECT_EQ(0x1234u, state);
  EXPECT_EQ(0x5678u, handshake);
  EXPECT_EQ(0, wrapper.GetValue_027C()) << "unbound answers 0, not -1";
  EXPECT_EQ(nullptr, wrapper.GetDeviceNameAt(1));
}
