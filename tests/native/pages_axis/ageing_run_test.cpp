#include "page_fixture.h"

#include <algorithm>

#include "../../../service/procedures/axis/ageing_run.h"
#include "../../../service/procedures/axis/axis_texts.h"

namespace {

using testing::_;
using testing::Return;

class AgeingRunTest : public PageFixture {
 protected:
  void Run(bool withSpindle) {
    CAgeingRun run(machine, wait, boxes, log);
    run.Run(withSpindle, box);
  }
};

const std::string kToPark = "MoveTo 0,152400,0,0,0,0 @3000";
const std::string kToCorner = "MoveTo 203200,0,-60500,0,0,0 @3000";
const Journal kStartPark = {"position", "MoveTo 5000,6000,0,11,22,33 @3000",
                            "MoveTo 5000,152400,0,11,22,33 @3000",
                            "MoveTo 0,152400,0,11,22,33 @3000"};

TEST_F(AgeingRunTest, OneCycleWithTheSpindleThenCancelWindsDownParksAndLogsTheCycles) {
  // One pump per wait: 3 for the start park, then park, corner, park, corner, and the cancel
  // comes during the third trip to the park position, so one cycle was completed.
  box.cancelAtPumps = {3 + 5};
  Run(true);
  EXPECT_EQ(boxes.questions, std::vector<std::string>{kAgeingQuestion});
  EXPECT_EQ(journal,
            Concat({{"ask: yes", "box open"}, kStartPark,
                    {"SetSpindleSpeed 7000", "log: Aiging", kToPark, kToCorner, kToPark, kToCorner,
                     kToPark, "StopMotion", "SetSpindleSpeed 0", "inform: Cancelled the job",
                     "log: Ageing ended after 1 cycle: cancelled", "StopMotion",
                     "SetSpindleSpeed 0", "position", kToPark, kToPark, kToPark, "box close"}}));
  EXPECT_EQ(box.cycleCounts, (std::vector<int>{0, 1}));
}

// A rack run ends by itself at the park position, after whole cycles, and then winds down and
// parks as a cancel does; nothing is stopped half-way.
TEST_F(AgeingRunTest, APlannedEndStopsAtTheParkPositionAfterWholeCyclesAndWindsDown) {
  CAgeingRun run(machine, wait, boxes, log);
  std::vector<int> asked;
  run.SetPlannedEnd([&asked](int cycles) {
    asked.push_back(cycles);
    return cycles >= 2;
  });
  run.Run(false, box);
  EXPECT_EQ(journal,
            Concat({{"ask: yes", "box open"}, kStartPark,
                    {"log: Aiging", kToPark, kToCorner, kToPark, kToCorner, kToPark,
                     "log: Ageing ended after 2 cycles: the planned run was complete",
                     "StopMotion", "SetSpindleSpeed 0", "position", kToPark, kToPark, kToPark,
                     "box close"}}));
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(run.Started());
  EXPECT_EQ(run.Cycles(), 2);
  EXPECT_EQ(run.End(), RunBreak::kRunComplete);
  EXPECT_TRUE(run.Parked());
}

TEST_F(AgeingRunTest, AStopSeenOnTheWayToTheCornerEndsTheCyclesAndStillParks) {
  ON_CALL(fake, GetStatus(_, _)).WillByDefault([&](uint32_t* s, uint32_t* h) {
    const bool corner = !journal.empty() && journal.back() == kToCorner;
    return hvxtest::ReturnStatus(corner ? 0x5 : kReady)(s, h);
  });
  Run(false);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), kToCorner), 1);
  EXPECT_EQ(journal.back(), "box close");
  EXPECT_EQ(Entries({"StopMotion", "SetSpindleSpeed"}),
            (Journal{"StopMotion", "SetSpindleSpeed 0"}));
  EXPECT_EQ(Entries({"log:"}),
            (Journal{"log: Aiging", "log: Ageing ended after 0 cycles: the machine went offline"}));
}

TEST_F(AgeingRunTest, NoOrAMachineNotReadyEndSilentlyAndAnUnreadablePositionIsLogged) {
  boxes.answer = false;
  Run(true);
  EXPECT_EQ(journal, Journal{"ask: no"});
  boxes.answer = true;
  journal.clear();
  ScriptStatus({{0x3, 0}});
  Run(true);
  EXPECT_EQ(journal, (Journal{"ask: yes", "box open", "box close"}));
  journal.clear();
  ScriptStatus({{kReady, 0}});
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  Run(true);
  EXPECT_EQ(journal, (Journal{"ask: yes", "box open",
                              "log: Ageing failed before its first cycle: the position could not "
                              "be read",
                              "box close"}));
}

TEST_F(AgeingRunTest, ACancelOnTheWayToTheStartSkipsTheCyclesButStillWindsDown) {
  box.cancelAtPumps = {1};
  Run(true);
  EXPECT_TRUE(Entries({"Aiging", "7000", "203200"}).empty());
  EXPECT_EQ(Entries({"log:"}), Journal{"log: Ageing cancelled before its first cycle"});
  EXPECT_EQ(Entries({"StopMotion", "Spindle"}),
            (Journal{"StopMotion", "SetSpindleSpeed 0", "StopMotion", "SetSpindleSpeed 0"}));
  EXPECT_EQ(journal.back(), "box close");
}

TEST_F(AgeingRunTest, TheWindDownAndFinalParkCanBeCancelledAgain) {
  box.cancelAtPumps = {4, 5, 9};
  Run(false);
  EXPECT_EQ(Entries({"inform"}).size(), 3u);
  // Each cancel stops the spindle before its box, and the wind-down once more.
  EXPECT_EQ(Entries({"Spindle"}), Journal(4, "SetSpindleSpeed 0"));
  EXPECT_EQ(journal.back(), "box close");
}

TEST_F(AgeingRunTest, TheWindDownWaitsForTheMachineBeforeEachStepAndAfterTheSpindleStops) {
  box.cancelAtPumps = {1};
  journalStatus = true;
  Run(false);
  const auto end = std::find(journal.begin(), journal.end(), "inform: Cancelled the job");
  ASSERT_GE(journal.end() - end, 8);
  EXPECT_EQ(Journal(end + 1, end + 8),
            (Journal{"log: Ageing cancelled before its first cycle", "status", "StopMotion",
                     "status", "SetSpindleSpeed 0", "status", "position"}));
}

}  // namespace
