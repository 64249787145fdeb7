// WaitForMachine: how it tells a normal end from a stop, an offline machine and a cancel, and how
// often it sleeps, polls and pumps.
#include "page_fixture.h"

namespace {

using testing::_;

constexpr uint32_t kCoverOpen = 0x20000;
constexpr uint32_t kExecuting = 0x20;
constexpr uint32_t kNotRead = kStatusNotRead;

class WaitForMachineTest : public PageFixture {};

TEST_F(WaitForMachineTest, AnIdleMachineEndsTheWaitAfterOnePassOf100Ms) {
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{100});
  EXPECT_EQ(box.pumps, 1);
  EXPECT_EQ(box.refreshes, 1);
}

TEST_F(WaitForMachineTest, WaitsInSlicesOf100MsWhileTheMachineMovesExecutesOrIsBusy) {
  ScriptStatus({{kMoving, 0}, {kReady, kExecuting}, {0x3, 0}, {0xB, 0}, {kReady, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps, std::vector<uint32_t>(4, 100));
  EXPECT_EQ(box.pumps, 4);
}

TEST_F(WaitForMachineTest, PollsAtMostOncePerSlice) {
  // An exact clock leaves exactly 100 ms after one slice: that is not more than 100 ms, so the
  // status is read only every other slice.
  clock.advancePerReading = 0;
  ScriptStatus({{kMoving, 0}, {kMoving, 0}, {kReady, 0}});
  EXPECT_CALL(fake, GetStatus(_, _)).Times(3);
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps.size(), 4u);
}

TEST_F(WaitForMachineTest, AnOfflineMachineEndsTheWaitAtOnceWithAStop) {
  for (uint32_t offline : {5u, 6u, 7u, 13u, 14u, 15u}) {
    ScriptStatus({{kMoving, 0}, {offline | 0x800, 0}});
    EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kStopped) << offline;
  }
  EXPECT_TRUE(Entries({"StopMotion", "inform"}).empty());
}

TEST_F(WaitForMachineTest, AJobBlockedMachineAtRestIsAStop) {
  ScriptStatus({{kMoving, 0}, {kReady | 0x40, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kStopped);
}

TEST_F(WaitForMachineTest, AnOpenCoverStopsTheMotionOnEveryPollAndEndsWithAStop) {
  ScriptStatus({{kMoving, 0}, {kMoving | kCoverOpen, 0}, {kMoving | kCoverOpen, 0},
                {kReady | kCoverOpen, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kStopped);
  EXPECT_EQ(Entries({"StopMotion"}).size(), 3u);
  EXPECT_TRUE(Entries({"inform"}).empty());
}

TEST_F(WaitForMachineTest, CancelStopsTheMotionTellsTheEngineerAndClearsTheRequest) {
  ScriptStatus({{kMoving, 0}});
  box.cancelAtPumps = {3};
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kCancelled);
  EXPECT_EQ(journal, (Journal{"StopMotion", "inform: Cancelled the job"}));
  EXPECT_FALSE(box.TakeCancelRequest());
  EXPECT_EQ(box.refreshes, 2);
}

TEST_F(WaitForMachineTest, AMachineWhoseStatusCannotBeReadEndsAfterOnePass) {
  ScriptStatus({{kNotRead, kNotRead}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps.size(), 1u);
}

TEST_F(WaitForMachineTest, FailingReadsAfterABusyReadingKeepTheWaitGoingUntilAReadSucceeds) {
  ScriptStatus({{kMoving, 0}, {kNotRead, kNotRead}, {kNotRead, kNotRead}, {kReady, 0}});
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kFinished);
  EXPECT_EQ(clock.sleeps.size(), 3u);
}

TEST_F(WaitForMachineTest, CancelIsHonouredWhileTheStatusCannotBeRead) {
  // A machine that stops answering in the middle of a motion must not lock the engineer in.
  ScriptStatus({{kMoving, 0}, {kNotRead, kNotRead}});
  box.cancelAtPumps = {5};
  EXPECT_EQ(wait.WaitForMachine(box), WaitResult::kCancelled);
  EXPECT_EQ(box.pumps, 5);
}

}  // namespace
