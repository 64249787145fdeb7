// The failure paths through the simulator link: a server that never acknowledges, a device that
// vanishes, a machine that sets its error bit, and a machine of the other byte order.
#include <algorithm>

#include "e2e_fixture.h"
#include "journal_exchange.h"

namespace {

// Moves that are expected to fail; where they would go does not matter.
const AxisVector kTarget = {{3000, 3000, -1500, 0, 0, 0}};

TEST_F(EmulatorTest, AMissingAcknowledgeFailsAnOperationAfterHalfASecond) {
  ASSERT_TRUE(emulator.Send("fault noack on"));
  uint32_t state = 0, handshake = 0;
  int result = 1;
  DWORD took = Timed([&] { result = library.connect->GetStatus(&state, &handshake); });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(state, kStatusNotRead);
  EXPECT_GE(took, 450u);
  EXPECT_LT(took, 3000u);
  EXPECT_FALSE(library.control->MoveTo(&kTarget, 100));

  ASSERT_TRUE(emulator.Send("fault noack off"));
  EXPECT_EQ(library.connect->GetStatus(&state, &handshake), 1);
  EXPECT_TRUE(library.control->MoveTo(&kTarget, 100));
}

// A machine that acknowledges one request 600 ms late, after the 500 ms time-out: that call
// fails, and the next one gets its own answer, whether it starts before the late acknowledge
// arrives or after it.
class LateAcknowledgeTest : public EmulatorTest {
 protected:
  void NextCallAfter(DWORD pause) {
    ASSERT_TRUE(emulator.Send("fault lateack on"));
    EXPECT_EQ(library.remoteControl->GetValue_0207(), -1);
    Sleep(pause);
    // A link one acknowledge ahead of the machine reads answers the machine has not yet given,
    // so each of these calls must see exactly its own exchange.
    for (int call = 0; call < 3; ++call) {
      SCOPED_TRACE(call);
      journal.Mark();
      char serial[32] = {};
      EXPECT_EQ(library.remoteControl->GetSerialNumber(serial, sizeof serial), 8);
      EXPECT_STREQ(serial, "HVX0001");
      EXPECT_TRUE(HasShape(journal.LinesSinceMark(), Query("W 0200")));
    }
    AxisVector target = NearbyTarget(1000, 0);
    EXPECT_TRUE(library.control->MoveTo(&target, 1000));
    EXPECT_TRUE(WaitForPosition(target));
    const std::vector<std::string> all = journal.Lines();
    EXPECT_EQ(std::find(all.begin(), all.end(), "STEP"), all.end());
  }
};

TEST_F(LateAcknowledgeTest, TheNextCallStartedBeforeItArrivesGetsItsOwnAnswer) { NextCallAfter(0); }
TEST_F(LateAcknowledgeTest, TheNextCallStartedAfterItArrivedGetsItsOwnAnswer) { NextCallAfter(300); }

// A simulator that keeps its bulk OUT not ready takes no parameter area; the upload gives up
// after ten seconds instead of holding the caller for ever.
TEST_F(EmulatorTest, AnUploadThatTheSimulatorNeverTakesFailsAfterTenSeconds) {
  std::vector<uint8_t> area(2048);
  ASSERT_EQ(library.remoteService->GetParameters(area.data(), 2048), 2048);
  ASSERT_TRUE(emulator.Send("fault notready on"));
  bool stored = true;
  DWORD took = Timed([&] { stored = library.remoteService->PutParameters(area.data(), 2048); });
  EXPECT_FALSE(stored);
  EXPECT_GE(took, 9500u);
  EXPECT_LT(took, 20000u);
  ASSERT_TRUE(emulator.Send("fault notready off"));
}

TEST_F(EmulatorTest, AVanishedDeviceFailsEveryOperationAtOnceUntilItIsReopened) {
  ASSERT_TRUE(emulator.Send("present off"));
  uint32_t state = 0, handshake = 0;
  std::vector<char> report(64);
  DWORD took = Timed([&] {
    EXPECT_EQ(library.connect->GetStatus(&state, &handshake), 0);
    EXPECT_EQ(library.remoteControl->GetInputState(), -1);
    EXPECT_FALSE(library.control->MoveTo(&kTarget, 100));
    EXPECT_EQ(library.control->GetSystemReport(report.data(), 64), -1);
    EXPECT_FALSE(library.connect->CheckConnection());
  });
  EXPECT_LT(took, 450u);  // no handshake is even tried, so nothing waits for an acknowledge
  EXPECT_TRUE(journal.LinesSinceMark().empty());
  EXPECT_FALSE(library.connect->Reconnect());  // refused while the device is absent

  ASSERT_TRUE(emulator.Send("present on"));
  ASSERT_TRUE(library.connect->Reconnect());
  EXPECT_EQ(library.connect->GetStatus(&state, &handshake), 1);
  EXPECT_NE(library.remoteControl->GetInputState(), -1);
}

TEST_F(EmulatorTest, TheErrorBitFailsTheWaitAtTheFirstPoll) {
  ASSERT_TRUE(emulator.Send("fault error on"));
  bool moved = true;
  DWORD took = Timed([&] { moved = library.control->MoveTo(&kTarget, 100); });
  EXPECT_FALSE(moved);
  EXPECT_LT(took, 2000u);  // far short of the 10 s acceptance limit
  EXPECT_TRUE(library.control->MoveTo(&kTarget, 100));  // the fault was for one command
}

class SwappedEmulatorTest : public EmulatorTest {
 protected:
  std::vector<std::string> EmulatorOptions() override { return {"/swap"}; }
};

TEST_F(SwappedEmulatorTest, FieldsTravelInTheMachinesByteOrderAndReadBackInOurs) {
  AxisVector target = NearbyTarget(3000, 1500);
  ASSERT_TRUE(library.control->MoveTo(&target, 1000));
  std::string expected = "W 0263 " + Hex16(1000, true) + Hex16(0, true);
  for (int32_t value : target.value) expected += Hex32(static_cast<uint32_t>(value), true);
  EXPECT_EQ(journal.LinesSinceMark().front(), expected);
  EXPECT_TRUE(WaitForPosition(target));

  ASSERT_EQ(library.control->SetUserCompensation(-25, 40, 0), 1);
  int x = 0, y = 0, z = 0;
  ASSERT_TRUE(library.control->GetUserCompensation(&x, &y, &z));
  EXPECT_EQ(x, -25);
  EXPECT_EQ(y, 40);
  EXPECT_EQ(z, 0);
}

}  // namespace
