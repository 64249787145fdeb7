#include "page_fixture.h"

#include "../../../service/procedures/axis/axis_texts.h"
#include "../../../service/procedures/axis/load_check.h"

namespace {

using testing::_;
using testing::Return;

class LoadCheckTest : public PageFixture {
 protected:
  void Run(const std::string& axis, const std::string& current = "50%") {
    CLoadCheck check(machine, wait, boxes, log);
    check.Run(LoadCheckChoice{true, true, axis, current}, box);
  }
  const std::string kSuccess = "inform: Success to load.";
  const std::string kFailure = "tell: Failed to load.\r\nPush the operation button to restore.";
};

// Park from (5000, 6000, -7000): Z up, Y back, X home, the other axes as read.
const Journal kParkMoves = {"position", "MoveTo 5000,6000,0,11,22,33 @1000",
                            "MoveTo 5000,152400,0,11,22,33 @1000",
                            "MoveTo 0,152400,0,11,22,33 @1000"};

TEST_F(LoadCheckTest, XAt50PercentParksDrivesOntoTheSensorParksAgainAndReportsSuccess) {
  inputWord = 0x41;
  Run("X");
  EXPECT_EQ(boxes.questions, std::vector<std::string>{kLoadCheckQuestion});
  EXPECT_EQ(box.text, "When you want to stop, please click the cancel button.");
  EXPECT_EQ(journal, Concat({{"ask: yes", "box open"}, kParkMoves,
                             {"MoveAxisX 203200 @1000 50%", "MoveAxisX -2500 @1000 50%",
                              "MoveTo 0,152400,0,11,22,33 @1000", "box close", "log: LoadChecked X",
                              "log: Load check X passed: the axis reached its limit sensor",
                              kSuccess}}));
}

TEST_F(LoadCheckTest, EachAxisHasItsOwnTravelCurrentAndSensorBitAndAStallOrFailedReadFails) {
  struct Case { const char* axis; const char* current; int sensorBit; Journal moves; };
  const Case cases[] = {
      {"X", "70%", 0x1, {"MoveAxisX 203200 @1000 70%", "MoveAxisX -2500 @1000 70%"}},
      {"Y", "100%", 0x2, {"MoveAxisY 0 @1000 100%", "MoveAxisY 154900 @1000 100%"}},
      {"Z", "100%", 0x4, {"MoveAxisZ -60500 @1000 100%", "MoveAxisZ 2500 @1000 100%"}},
  };
  for (const Case& c : cases) {
    journal.clear();
    inputWord = c.sensorBit;
    Run(c.axis, c.current);
    EXPECT_EQ(Entries({"MoveAxis"}), c.moves) << c.axis;
    EXPECT_EQ(journal.back(), kSuccess) << c.axis;
    journal.clear();
    inputWord = 0x47 & ~c.sensorBit;  // the other sensors do not count
    Run(c.axis, c.current);
    // "LoadChecked" alone reads the same after a pass and a fail; the line after it does not.
    EXPECT_EQ(Journal(journal.end() - 4, journal.end()),
              (Journal{"box close", std::string("log: LoadChecked ") + c.axis,
                       std::string("log: Load check ") + c.axis +
                           " failed: the axis did not reach its limit sensor",
                       kFailure}))
        << c.axis;
    journal.clear();
    inputWord = -1;  // a failed read: every bit set, the sensor's among them
    Run(c.axis, c.current);
    EXPECT_EQ(journal.back(), kFailure) << c.axis << ": a failed read passed the check";
  }
}

TEST_F(LoadCheckTest, APassWaitsForTheMachineAfterItsBoxAndAnUnknownAxisDrivesNothingAndFails) {
  inputWord = 0x41;
  journalStatus = true;
  Run("X");
  EXPECT_EQ(Journal(journal.end() - 2, journal.end()), (Journal{kSuccess, "status"}));
  journal.clear();
  journalStatus = false;
  Run("W");
  EXPECT_TRUE(Entries({"MoveAxis"}).empty());
  EXPECT_EQ(Journal(journal.end() - 5, journal.end()),
            (Journal{"MoveTo 0,152400,0,11,22,33 @1000", "box close", "log: LoadChecked W",
                     "log: Load check W failed: the axis did not reach its limit sensor",
                     kFailure}));
}

TEST_F(LoadCheckTest, ACancelAfterTheSensorReadIsTakenBeforeTheWayBack) {
  inputWord = 0x41;
  box.cancelAtPumps = {6};  // 3 park moves, 2 drives, then the wait before the way back
  Run("X");
  EXPECT_EQ(Journal(journal.end() - 8, journal.end()),
            (Journal{"StopMotion", "SetSpindleSpeed 0", "inform: Cancelled the job",
                     "MoveTo 0,152400,0,11,22,33 @1000", "box close", "log: LoadChecked X",
                     "log: Load check X passed: the axis reached its limit sensor", kSuccess}));
}

TEST_F(LoadCheckTest, NoAMissingChoiceOrAMachineNotReadyForAJobEndTheCheckBeforeMoving) {
  boxes.answer = false;
  Run("X");
  EXPECT_EQ(journal, Journal{"ask: no"});
  boxes.answer = true;
  journal.clear();
  CLoadCheck check(machine, wait, boxes, log);
  check.Run(LoadCheckChoice{true, false, "X", ""}, box);
  check.Run(LoadCheckChoice{false, true, "", "50%"}, box);
  EXPECT_EQ(journal, (Journal{"ask: yes", "tell: Select current and axis from the lists.",
                              "ask: yes", "tell: Select current and axis from the lists."}));
  for (uint32_t state : {0x3u, 0xBu, 0x4u, 0x5u, 0x802u, 0x42u}) {
    journal.clear();
    ScriptStatus({{state, 0}});
    Run("X");
    EXPECT_EQ(journal, Journal{"ask: yes"}) << state;  // no message
  }
}

TEST_F(LoadCheckTest, AStatusThatCannotBeReadDoesNotStopTheCheck) {
  ScriptStatus({{kStatusNotRead, kStatusNotRead}});
  inputWord = 0x1;
  Run("X");
  EXPECT_EQ(journal.back(), kSuccess);
}

TEST_F(LoadCheckTest, CancelDuringTheDriveReportsFailureAndIsLoggedAsCancelled) {
  // The park moves take one pump each; the cancel comes during the first axis drive.
  box.cancelAtPumps = {4};
  Run("X");
  EXPECT_EQ(Concat({{"ask: yes", "box open"}, kParkMoves,
                    {"MoveAxisX 203200 @1000 50%", "StopMotion", "SetSpindleSpeed 0",
                     "inform: Cancelled the job", "log: Load check X cancelled", kFailure,
                     "box close"}}),
            journal);
}

// A check that the machine broke off used to leave no line at all.
TEST_F(LoadCheckTest, AStopSeenDuringTheDriveIsLoggedWithItsCause) {
  struct Case { uint32_t stateWord; const char* why; };
  const Case cases[] = {{kReady | 0x20000u, "the cover was opened"},
                        {0x5, "the machine went offline"},
                        {0x42, "the machine stopped with an error"}};
  for (const Case& c : cases) {
    journal.clear();
    ON_CALL(fake, GetStatus(_, _)).WillByDefault([&](uint32_t* s, uint32_t* h) {
      const bool driving = !journal.empty() && journal.back() == "MoveAxisX 203200 @1000 50%";
      return hvxtest::ReturnStatus(driving ? c.stateWord : kReady)(s, h);
    });
    Run("X");
    EXPECT_EQ(Entries({"log:"}), Journal{std::string("log: Load check X failed: ") + c.why});
    EXPECT_EQ(journal[journal.size() - 2], kFailure);
  }
}

TEST_F(LoadCheckTest, AFailedFinalParkStillReportsTheSensorVerdictWithoutTheLogLine) {
  inputWord = 0x1;
  int moves = 0;
  ON_CALL(fake, MoveTo(_, _)).WillByDefault([&](const AxisVector*, int) { return ++moves < 4; });
  Run("X");
  EXPECT_EQ(Entries({"log:"}), Journal{"log: Load check X passed: the axis reached its limit "
                                       "sensor; the return to park ended: the machine refused a "
                                       "move"});
  EXPECT_EQ(Journal(journal.end() - 2, journal.end()), (Journal{kSuccess, "box close"}));
}

TEST_F(LoadCheckTest, ARefusedMoveOrAnUnreadablePositionEndsInFailure) {
  ON_CALL(fake, MoveAxisX(_, _, _)).WillByDefault(Return(false));
  Run("X");
  EXPECT_EQ(journal.back(), "box close");
  EXPECT_EQ(journal[journal.size() - 2], kFailure);
  EXPECT_EQ(journal[journal.size() - 3], "log: Load check X failed: the machine refused a move");
  EXPECT_TRUE(Entries({"MoveTo 0,152400,0,11,22,33 @1000"}).size() == 1);

  journal.clear();
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  Run("X");
  EXPECT_EQ(journal, (Journal{"ask: yes", "box open",
                              "log: Load check X failed: the position could not be read", kFailure,
                              "box close"}));
}

}  // namespace
