#include "machine_host.h"

namespace {

class MotionTest : public EmulatorTest {
 protected:
  int32_t Axis(int axis) {
    int32_t position[6];
    host_.Position(position);
    return position[axis];
  }
  bool Moving() { return host_.ReadStatus().state & kStateMotion; }
  uint32_t Sensors() { return host_.QueryWord(kCmdGetInputState) & 7u; }
  void Park() {
    const int32_t park[3] = {0, 152400, 0};
    machine_.motion().Place(park);
  }
};

TEST_F(MotionTest, HundredMicrometreStepAtSpeed100TakesAHundredMilliseconds) {
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(100, 100, 0, 0)));
  clock_.now += 50 - 10;  // Send polled twice, 10 ms apart
  EXPECT_TRUE(Moving());
  EXPECT_EQ(50, Axis(0));
  clock_.now += 50;
  EXPECT_FALSE(Moving());
  EXPECT_EQ(100, Axis(0));
}

TEST_F(MotionTest, HighSpeedCrossesTheXTravelInAboutTwoSecondsAndRateScaleSpeedsUp) {
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(10000, 240000, 0, 0)));
  clock_.Sleep(1000);
  EXPECT_TRUE(Moving());
  clock_.Sleep(1100);
  EXPECT_FALSE(Moving());
  EXPECT_EQ(203200, Axis(0));

  machine_.motion().SetRateScale(10.0);
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 103200, 0, 0)));
  clock_.Sleep(1000);
  EXPECT_FALSE(Moving());
}

TEST_F(MotionTest, OrdinaryMovesStayInsideTheTravelAndTakeTheLastThreeValues) {
  Bytes record = host_.MoveRecord(10000, -5000, 999999, -99999);
  Bytes a = host_.Words32({12345});
  std::copy(a.begin(), a.end(), record.begin() + 16);
  ASSERT_TRUE(host_.Send(kCmdMoveTo, record));
  EXPECT_EQ(12345, Axis(3));
  clock_.Sleep(10000);
  EXPECT_EQ(0, Axis(0));
  EXPECT_EQ(152400, Axis(1));
  EXPECT_EQ(-60500, Axis(2));
  EXPECT_EQ(0u, Sensors());
}

TEST_F(MotionTest, SingleAxisMovesStopAtTheirSensorsPastTheTravel) {
  Park();
  ASSERT_TRUE(host_.Send(kCmdMoveAxisX, host_.AxisRecord(100, 1000, -9000)));
  ASSERT_TRUE(host_.Send(kCmdMoveAxisY, host_.AxisRecord(100, 1000, 154900)));
  ASSERT_TRUE(host_.Send(kCmdMoveAxisZ, host_.AxisRecord(100, 1000, 2500)));
  clock_.Sleep(1000);
  EXPECT_EQ(-2500, Axis(0));
  EXPECT_EQ(154900, Axis(1));
  EXPECT_EQ(2500, Axis(2));
  EXPECT_EQ(0x47u, host_.QueryWord(kCmdGetInputState));
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 0, 0, 0)));
  clock_.Sleep(300);
  EXPECT_EQ(0u, Sensors());  // off again once the axes leave them
}

TEST_F(MotionTest, TooLittleCurrentStallsHalfWayBeforeTheSensor) {
  Park();
  ASSERT_TRUE(host_.Send(kCmdMoveAxisY, host_.AxisRecord(49, 1000, 0)));
  clock_.Sleep(20000);
  EXPECT_EQ(76200, Axis(1));
  ASSERT_TRUE(host_.Send(kCmdMoveAxisY, host_.AxisRecord(49, 1000, 154900)));
  clock_.Sleep(20000);
  EXPECT_LT(Axis(1), 154900);
  EXPECT_EQ(0u, Sensors() & 2u);
  ASSERT_TRUE(host_.Send(kCmdMoveAxisY, host_.AxisRecord(50, 1000, 154900)));
  clock_.Sleep(20000);
  EXPECT_EQ(2u, Sensors() & 2u);

  machine_.motion().SetMinimumCurrent(0, 80);  // per axis
  ASSERT_TRUE(host_.Send(kCmdMoveAxisX, host_.AxisRecord(70, 1000, -2500)));
  ASSERT_TRUE(host_.Send(kCmdMoveAxisZ, host_.AxisRecord(70, 1000, 2500)));
  clock_.Sleep(1000);
  EXPECT_EQ(6u, Sensors());
}

TEST_F(MotionTest, StopMotionFreezesTheAxesWhereTheyAre) {
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 100000, 0, 0)));
  clock_.Sleep(1000);
  ASSERT_TRUE(host_.Send(kCmdStopMotion));
  int32_t stopped = Axis(0);
  clock_.Sleep(5000);
  EXPECT_FALSE(Moving());
  EXPECT_EQ(stopped, Axis(0));
  EXPECT_NEAR(10000, stopped, 300);
}

TEST_F(MotionTest, OpeningTheCoverStopsTheAxesAndRefusesMoves) {
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 100000, 0, 0)));
  clock_.Sleep(500);
  machine_.SetCoverOpen(true);
  EXPECT_FALSE(Moving());
  EXPECT_TRUE(host_.ReadStatus().state & kStateCoverOpen);
  EXPECT_EQ(0u, host_.QueryWord(kCmdGetInputState) & kInputCoverClosed);
  EXPECT_FALSE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 0, 0, 0)));
  EXPECT_FALSE(host_.Send(kCmdMoveAxisX, host_.AxisRecord(100, 1000, 0)));
  machine_.SetCoverOpen(false);
  EXPECT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 0, 0, 0)));
}

}  // namespace
