// Representative wrapper slots of each table reach their own table operation with their
// arguments and hand the answer back; unbound, they answer zero and call nothing.
#include <gtest/gtest.h>

#include <functional>

#include "../../../service/wrapper/hvx_all_ctr.h"
#include "fake_library.h"
#include "fake_platform.h"

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

AxisVector v1;
int a, b, c;
int16_t h1, h2;
char text[8];
uint8_t six[6];
uint32_t s1, s2;
const char* path = "C:\\cut.prn";
const char* const jobName = "job";
const char* const queueName = "HVX queue";

#define S(op, expr, ...) Slot{op, [](CHVXController& w) { return R(w.expr); }, {__VA_ARGS__}}

// In slot order; wrapper slot 8 (ReadDeviceBlock) is the remote control table's slot 2.
const std::vector<Slot>& Slots() {
  static const std::vector<Slot> slots = {
      S("Service.GetVersion", GetServiceApiVersion()),
      S("Service.ClearAllParameters", ClearAllParameters()),
      S("Control.GetVersion", GetControlApiVersion()),
      S("Control.OutputFile", OutputFile(&path, jobName), P(&path), P(jobName)),
      S("Control.SendData", SendData(text, 5), P(text), 5),
      S("Control.Command_0004", Command_0004()),
      S("Remote.ReadDeviceBlock", ReadDeviceBlock(text, 8), P(text), 8),
      S("Control.GetCurrentPosition", GetCurrentPosition(&v1), P(&v1)),
      S("Control.MoveTo", MoveTo(&v1, 3000), P(&v1), 3000),
      S("Control.Move_0264", Move_0264(&v1, 7, 9), P(&v1), 7, 9),
      S("Control.GetUserCompensation", GetUserCompensation(&a, &b, &c), P(&a), P(&b), P(&c)),
      S("Control.SetUserCompensation", SetUserCompensation(-1, 2, -3), -1, 2, -3),
      S("Control.GetHalfPair_02C8", GetHalfPair_02C8(&h2, &h1), P(&h2), P(&h1)),
      S("Control.MoveAxisX", MoveAxisX(203200, 100, 5), 203200, 100, 5),
      S("Control.GetSpindleSpeed", GetSpindleSpeed()),
      S("Control.GetTriple_3200", GetTriple_3200(&c, &b, &a), P(&c), P(&b), P(&a)),
      S("Control.SetIndexedValue_347B", SetIndexedValue_347B(8, 77), 8, 77),
      S("Control.ConnectSimulator", ConnectSimulator(0x1234), 0x1234),
      S("Control.ConnectSimulatorNamed", ConnectSimulatorNamed(queueName, 0x1234), P(queueName),
        0x1234),
      S("Connect.GetVersion", GetConnectApiVersion()),
      S("Connect.Connect", Connect(queueName), P(queueName)),
      S("Connect.GetDeviceNameAt", GetDeviceNameAt(1), 1),
      S("Connect.GetDeviceName", GetDeviceName(text, 8), P(text), 8),
      S("Connect.Disconnect", Disconnect()),
      S("Remote.GetVersion", GetRemoteControlApiVersion()),
      S("Remote.GetStatus", GetStatus(&s1, &s2), P(&s1), P(&s2)),
      S("Remote.GetSerialNumber", GetSerialNumber(text, 10), P(text), 10),
      S("Remote.SetTriple_0290", SetTriple_0290(9, 8, 7), 9, 8, 7),
      S("Remote.Unsupported", Unsupported(11, 22), 11, 22),
      S("RService.GetVersion", GetRemoteServiceApiVersion()),
      S("RService.SetSerialNumber", SetSerialNumber(text), P(text)),
      S("RService.SetPair_0206", SetPair_0206(3, 4), 3, 4),
      S("RService.SetBlock12_020E", SetBlock12_020E(&c, &a, &b), P(&c), P(&a), P(&b)),
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
  for (const Slot& slot : Slots()) {
    g_calls.clear();
    intptr_t result = slot.call(wrapper);
    const std::string op = slot.op;
    if (op.find(".GetVersion") != std::string::npos) {
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

TEST_F(WrapperForwarding, UnboundWrapperAnswersZeroCallsNothingAndLeavesOutputsAlone) {
  CHVXAllCtr wrapper(platform, true);
  for (const Slot& slot : Slots()) EXPECT_EQ(0, slot.call(wrapper)) << slot.op;
  EXPECT_TRUE(g_calls.empty());
  uint32_t state = 0x1234, handshake = 0x5678;
  EXPECT_EQ(0, wrapper.GetStatus(&state, &handshake));
  EXPECT_EQ(0x1234u, state);
  EXPECT_EQ(0x5678u, handshake);
  EXPECT_EQ(0, wrapper.GetValue_027C()) << "unbound answers 0, not -1";
}
