#include "page_fixture.h"

namespace {

using testing::_;

constexpr uint32_t kCoverOpen = 0x20000;
constexpr uint32_t kNotRead = kStatusNotRead;

using WaitForMachineTest = PageFixture;

TEST_F(WaitForMachineTest, WaitsInSlicesOf100MsWhileTheMachineMovesExecutesOrIsBusy) {
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{100});
  EXPECT_EQ(box.refreshes, 1);
  ScriptStatus({{kMoving, 0}, {kReady, 0x20}, {0x3, 0}, {0xB, 0}, {kReady, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps, std::vector<uint32_t>(5, 100));
  EXPECT_EQ(box.pumps, 5);
}

TEST_F(WaitForMachineTest, PollsAtMostOncePerSlice) {
  // An exact clock leaves exactly 100 ms after one slice, which is not more than 100 ms.
  clock.advancePerReading = 0;
  ScriptStatus({{kMoving, 0}, {kMoving, 0}, {kReady, 0}});
  EXPECT_CALL(fake, GetStatus(_, _)).Times(3);
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps.size(), 4u);
}

TEST_F(WaitForMachineTest, AnOfflineOrJobBlockedMachineEndsTheWaitAtOnceWithAStop) {
  for (uint32_t stopped : {0x805u, 0x806u, 0x807u, 0x80Du, 0x80Eu, 0x80Fu, kReady | 0x40}) {
    ScriptStatus({{kMoving, 0}, {stopped, 0}});
    EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kStopped) << stopped;
  }
  EXPECT_TRUE(Entries({"StopMotion", "inform"}).empty());
}

TEST_F(WaitForMachineTest, AnOpenCoverStopsTheMotionOnEveryPollAndEndsWithAStop) {
  ScriptStatus({{kMoving, 0}, {kMoving | kCoverOpen, 0}, {kMoving | kCoverOpen, 0},
                {kReady | kCoverOpen, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kStopped);
  EXPECT_EQ(journal, Journal(3, "StopMotion"));
}

TEST_F(WaitForMachineTest, CancelStopsMotionAndSpindleBeforeTellingTheEngineer) {
  ScriptStatus({{kMoving, 0}});
  box.cancelAtPumps = {3};
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kCancelled);
  EXPECT_EQ(journal, (Journal{"StopMotion", "SetSpindleSpeed 0", "inform: Cancelled the job"}));
  EXPECT_FALSE(box.TakeCancelRequest());
  EXPECT_EQ(box.refreshes, 2);
}

TEST_F(WaitForMachineTest, FailingReadsEndAnIdleWaitButKeepABusyOneGoingAndCancellable) {
  ScriptStatus({{kNotRead, kNotRead}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps.size(), 1u);
  ScriptStatus({{kMoving, 0}, {kNotRead, kNotRead}, {kNotRead, kNotRead}, {kReady, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps.size(), 4u);
  // A machine that stops answering in the middle of a motion must not lock the engineer in.
  ScriptStatus({{kMoving, 0}, {kNotRead, kNotRead}});
  box.cancelAtPumps = {4 + 5};
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kCancelled);
  EXPECT_EQ(box.pumps, 9);
}

// A script has no Cancel to press: its limit ends a wait that has read nothing for that long,
// counted from the last answer, and an answer in between starts the count again.
TEST_F(WaitForMachineTest, ASilenceLimitEndsAWaitThatHasReadNothingForThatLong) {
  wait.SetSilenceLimit(1000);
  const std::pair<uint32_t, uint32_t> moving{kMoving, 0}, silent{kNotRead, kNotRead};
  std::vector<std::pair<uint32_t, uint32_t>> script{moving, silent, silent, silent, silent, silent,
                                                    moving};
  script.insert(script.end(), 12, silent);
  script.push_back({kReady, 0});  // too late: without a limit the wait would end here
  ScriptStatus(script);
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kStopped);
  EXPECT_EQ(wait.LastBreak(), RunBreak::kSilent);
  // An answer at the sixth slice, then ten silent slices: sixteen in all.
  EXPECT_EQ(clock.sleeps.size(), 16u);
  EXPECT_EQ(RunBreakText(RunBreak::kSilent), "the machine stopped answering");
}

}  // namespace
