#include "page_fixture.h"

#include "../../../service/procedures/sub/sensor_check.h"
#include "../../../service/procedures/sub/sensor_check_start.h"

namespace {

using testing::_;
using testing::Return;

constexpr int kCoverClosed = 0x40;

class SensorCheckTest : public PageFixture {
 protected:
  SensorCheckTest() { check.Start(); }
  // Ticks once with the given input word; true when the tick completed the check.
  bool TickWith(int word) {
    inputWord = word;
    return check.Tick();
  }
  void TickUntilStep(int step) {
    for (int i = 0; i < 20 && check.Step() < step; ++i) TickWith(kCoverClosed);
  }
  CSensorCheck check{machine};
};

TEST_F(SensorCheckTest, TheStepsDriveEachAxisOntoItsSensorWaitForRestAndPark) {
  ScriptStatus({{kReady, 0}, {kMoving, 0}, {kReady, 0}, {0xA, 0}});
  TickUntilStep(8);
  EXPECT_EQ(journal, (Journal{"MoveAxisX -2500 @500 100%", "MoveAxisY 154900 @500 100%",
                              "MoveAxisZ 2500 @500 100%", "MoveTo 0,152400,0,0,0,0 @500"}));
  EXPECT_EQ(check.Report(), "\r\nOpen and close the cover\r\n");
}

TEST_F(SensorCheckTest, ARefusedMoveOrABusyMachineKeepsTheStepForTheNextTick) {
  EXPECT_CALL(fake, MoveAxisX(-2500, 500, 100)).WillOnce(Return(false)).WillOnce(Return(true));
  TickWith(kCoverClosed);
  EXPECT_EQ(check.Step(), 0);
  TickWith(kCoverClosed);
  EXPECT_EQ(check.Step(), 1);
  for (auto busy : {std::make_pair(kMoving, 0u), std::make_pair(0x3u, 0u),
                    std::make_pair(kStatusNotRead, kStatusNotRead)}) {
    ScriptStatus({busy});
    TickWith(kCoverClosed);
    EXPECT_EQ(check.Step(), 1);
  }
}

TEST_F(SensorCheckTest, LevelsShowOnAndOpenAndEachSwitchCountsAChangeButAFailedReadNone) {
  TickWith(0x1 | kCoverClosed);
  EXPECT_EQ(check.LevelText(kSensorX), "ON");
  EXPECT_EQ(check.LevelText(kSensorY), "---");
  EXPECT_EQ(check.LevelText(kSensorCover), "CLOSE");
  EXPECT_EQ(check.Changes(kSensorX), 1u);
  EXPECT_EQ(check.Changes(kSensorCover), 0u);
  TickWith(0x1);
  EXPECT_EQ(check.LevelText(kSensorCover), "OPEN");
  EXPECT_EQ(check.Changes(kSensorX), 1u);
  EXPECT_EQ(check.Changes(kSensorCover), 1u);
  // A failed read sets every bit, which would read as all limits on and the cover closed;
  // alternating with good reads it would check sensors that never switched.
  for (int i = 0; i < 3; ++i) {
    TickWith(-1);
    TickWith(0x1);
  }
  EXPECT_EQ(check.LevelText(kSensorY) + check.LevelText(kSensorZ), "------");
  EXPECT_EQ(check.LevelText(kSensorCover), "OPEN");
  EXPECT_EQ(check.Changes(kSensorY) + check.Changes(kSensorZ), 0u);
  EXPECT_EQ(check.Changes(kSensorCover), 1u);
  EXPECT_FALSE(check.Checked(kSensorY) || check.Checked(kSensorZ) || check.Checked(kSensorCover));
}

TEST_F(SensorCheckTest, ASensorIsReportedOnceAfterItWentOnAndOffAgainInXYZCoverOrder) {
  TickWith(0x2 | kCoverClosed);
  EXPECT_FALSE(check.Checked(kSensorY));
  TickWith(kCoverClosed);
  EXPECT_TRUE(check.Checked(kSensorY));
  TickWith(0x2 | kCoverClosed);
  TickWith(kCoverClosed);
  EXPECT_EQ(check.Report(), "Y limit sensor was checked\r\n");
  TickWith(0x7);  // all limits on, cover open
  TickWith(kCoverClosed);
  EXPECT_EQ(check.Report(),
            "Y limit sensor was checked\r\nX limit sensor was checked\r\n"
            "Z limit sensor was checked\r\nCover sensor was checked\r\n");
}

TEST_F(SensorCheckTest, FinishesOnceAllFourAreCheckedInTheLastStep) {
  TickUntilStep(8);
  for (int word : {0x1, 0x0, 0x2, 0x0, 0x4, 0x0}) TickWith(word | kCoverClosed);
  EXPECT_FALSE(TickWith(0));            // cover opened
  EXPECT_FALSE(TickWith(kCoverClosed));  // closed: the cover line is written in this tick
  EXPECT_TRUE(TickWith(kCoverClosed));   // and the check completes on the next one
  EXPECT_FALSE(TickWith(kCoverClosed));
  const std::string& report = check.Report();
  const std::string ending = "Cover sensor was checked\r\n\r\n\r\nFinished Sensor Check\r\n";
  EXPECT_EQ(report.substr(report.size() - ending.size()), ending);
  EXPECT_EQ(report.find("Finished"), report.rfind("Finished"));
}

// A restarted check once showed the ticks and report of the run before.
TEST_F(SensorCheckTest, SensorsCheckedEarlyStillWaitForTheLastStepAndStartAgainBeginsClean) {
  TickWith(0x7);
  TickWith(kCoverClosed);
  EXPECT_FALSE(TickWith(kCoverClosed));
  EXPECT_EQ(check.Report().find("Finished"), std::string::npos);
  TickUntilStep(8);
  EXPECT_TRUE(TickWith(kCoverClosed));
  EXPECT_EQ(check.OutcomeText(), "Sensor check finished: all sensors checked");
  journal.clear();
  check.Start();
  EXPECT_EQ(check.Step(), 0);
  EXPECT_EQ(check.Report(), "");
  EXPECT_EQ(check.LevelText(kSensorX) + check.LevelText(kSensorCover), "------");
  EXPECT_FALSE(check.Checked(kSensorX));
  TickWith(kCoverClosed);
  EXPECT_EQ(journal, Journal{"MoveAxisX -2500 @500 100%"});
  EXPECT_EQ(check.Report(), "");
}

// "Checked Sensor" once followed an aborted check as it followed a finished one.
TEST_F(SensorCheckTest, StartIsGuardedByTheJobTestAndLoggedAroundTheBoxWithTheOutcome) {
  int boxes = 0;
  auto runBox = [&] {
    ++boxes;
    journal.push_back("box");
    return std::string("outcome");
  };
  StartSensorCheck(machine, log, runBox);
  EXPECT_EQ(journal,
            (Journal{"log: Sensor Check Starts", "box", "log: Checked Sensor", "log: outcome"}));
  journal.clear();
  ScriptStatus({{kMoving, 0}});
  StartSensorCheck(machine, log, runBox);
  ScriptStatus({{kStatusNotRead, kStatusNotRead}});
  StartSensorCheck(machine, log, runBox);
  EXPECT_EQ(boxes, 2);

  CSensorCheck unstarted{machine};
  EXPECT_EQ(unstarted.OutcomeText(), "Sensor check not run: Start was not pressed");
  TickWith(0x2 | kCoverClosed);
  TickWith(kCoverClosed);
  EXPECT_EQ(check.OutcomeText(), "Sensor check ended unfinished: not checked: X limit, Z limit, cover");
}

}  // namespace
