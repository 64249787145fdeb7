#include <gtest/gtest.h>

#include "main_test_doubles.h"
#include "spindle_control.h"

using hvxtest::ReturnStatus;
using hvxtest::ReturnStatusNotRead;
using testing::_;
using testing::ElementsAre;
using testing::InSequence;
using testing::IsEmpty;
using testing::NiceMock;
using testing::Return;

namespace {

constexpr int kCoverClosedInput = 0x40;

class SpindleTest : public testing::Test {
 protected:
  SpindleTest() : spindle([this] { return &fake; }, log, messages) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetInputState()).WillByDefault(Return(kCoverClosedInput));
    ON_CALL(fake, SetSpindleSpeed(_)).WillByDefault(Return(true));
    ON_CALL(fake, SetSpindleOverride(_)).WillByDefault(Return(true));
  }

  void SwitchOn() {
    spindle.OnBoxClicked(true);
    ASSERT_TRUE(spindle.BoxChecked());
    testing::Mock::VerifyAndClearExpectations(&fake);
  }

  NiceMock<CFakeHVXController> fake;
  CRecordingLog log;
  CRecordingMessages messages;
  CSpindleControl spindle;
};

}  // namespace

TEST_F(SpindleTest, CheckingWithTheCoverClosedRunsTheSpindleAt7000Rpm) {
  EXPECT_CALL(fake, SetSpindleSpeed(7000)).WillOnce(Return(true));
  spindle.OnBoxClicked(true);
  EXPECT_TRUE(spindle.BoxChecked());
  EXPECT_EQ("ON", spindle.Label());
  EXPECT_THAT(log.lines, IsEmpty()) << "the spindle box logs nothing";
}

TEST_F(SpindleTest, CheckingWithTheCoverOpenIsRefusedWithItsMessage) {
  for (int input : {0x00, 0x07, 0xBF, -1}) {
    SCOPED_TRACE(input);
    messages.shown.clear();
    EXPECT_CALL(fake, GetInputState()).WillOnce(Return(input));
    EXPECT_CALL(fake, SetSpindleSpeed(_)).Times(0);
    spindle.OnBoxClicked(true);
    EXPECT_THAT(messages.shown, ElementsAre("Cover is open. Close the cover and try it again."));
    EXPECT_FALSE(spindle.BoxChecked());
    EXPECT_EQ("OFF", spindle.Label());
    testing::Mock::VerifyAndClearExpectations(&fake);
  }
}

TEST_F(SpindleTest, FailedSwitchOnLeavesTheBoxOff) {
  EXPECT_CALL(fake, SetSpindleSpeed(7000)).WillOnce(Return(false));
  spindle.OnBoxClicked(true);
  EXPECT_FALSE(spindle.BoxChecked());
  EXPECT_EQ("OFF", spindle.Label());
}

TEST_F(SpindleTest, UncheckingStopsTheSpindleWithoutReadingTheCover) {
  SwitchOn();
  EXPECT_CALL(fake, GetInputState()).Times(0);
  EXPECT_CALL(fake, SetSpindleSpeed(0)).WillOnce(Return(true));
  spindle.OnBoxClicked(false);
  EXPECT_FALSE(spindle.BoxChecked());
  EXPECT_EQ("OFF", spindle.Label());
}

TEST_F(SpindleTest, OverrideStepsByTenUpToAHundred) {
  SwitchOn();
  InSequence order;
  EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(50));
  EXPECT_CALL(fake, SetSpindleOverride(60));
  EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(90));
  EXPECT_CALL(fake, SetSpindleOverride(100));
  EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(95));
  EXPECT_CALL(fake, SetSpindleOverride(100));
  EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(100));
  EXPECT_CALL(fake, SetSpindleOverride(100));
  for (int i = 0; i < 4; ++i) spindle.OnSpeedStep(true, true);
  EXPECT_THAT(log.lines, ElementsAre("RotateSpindle +", "RotateSpindle +"))
      << "reaching the top by the clamp logs nothing";
}

TEST_F(SpindleTest, OverrideStepsDownToZeroThenStops) {
  SwitchOn();
  {
    InSequence order;
    EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(60));
    EXPECT_CALL(fake, SetSpindleOverride(50));
    EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(5));
    EXPECT_CALL(fake, SetSpindleOverride(0));
    EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(0));
    EXPECT_CALL(fake, StopMotion());
    EXPECT_CALL(fake, SetSpindleSpeed(0));
  }
  for (int i = 0; i < 3; ++i) spindle.OnSpeedStep(false, true);
  EXPECT_THAT(log.lines, ElementsAre("RotateSpindle -", "RotateSpindle -", "Stopped Moving"));
  EXPECT_FALSE(spindle.BoxChecked());
  EXPECT_EQ("OFF", spindle.Label());
}

TEST_F(SpindleTest, OverrideStepsNeedTheSpindleOnAndAFreeMachine) {
  EXPECT_CALL(fake, GetSpindleOverride()).Times(0);
  EXPECT_CALL(fake, SetSpindleOverride(_)).Times(0);
  spindle.OnSpeedStep(true, true);  // box unchecked
  SwitchOn();
  EXPECT_CALL(fake, GetSpindleOverride()).Times(0);
  EXPECT_CALL(fake, SetSpindleOverride(_)).Times(0);
  for (uint32_t state : {1u, 3u, 4u, 5u, 0x802u}) {
    EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(state));
    spindle.OnSpeedStep(true, true);
  }
  EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatusNotRead());
  spindle.OnSpeedStep(false, true);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(SpindleTest, UnreadableOverrideIsNotSteppedFrom) {
  SwitchOn();
  EXPECT_CALL(fake, GetSpindleOverride()).WillRepeatedly(Return(-1));
  EXPECT_CALL(fake, SetSpindleOverride(_)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(0);
  spindle.OnSpeedStep(true, true);
  spindle.OnSpeedStep(false, true);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(SpindleTest, StopWhenConnectedHaltsMotionAndSpindle) {
  SwitchOn();
  InSequence order;
  EXPECT_CALL(fake, StopMotion());
  EXPECT_CALL(fake, SetSpindleSpeed(0));
  spindle.Stop(true);
  EXPECT_FALSE(spindle.BoxChecked());
  EXPECT_EQ("OFF", spindle.Label());
  EXPECT_THAT(log.lines, ElementsAre("Stopped Moving"));
}

TEST_F(SpindleTest, StopWhenNotConnectedOnlyLogs) {
  SwitchOn();
  EXPECT_CALL(fake, StopMotion()).Times(0);
  EXPECT_CALL(fake, SetSpindleSpeed(_)).Times(0);
  spindle.Stop(false);
  EXPECT_TRUE(spindle.BoxChecked());
  EXPECT_THAT(log.lines, ElementsAre("Stopped Moving"));
}
