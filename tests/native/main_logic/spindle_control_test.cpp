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

class SpindleTest : public testing::Test {
 protected:
  SpindleTest() : spindle([this] { return controller; }, log, messages) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetInputState()).WillByDefault(Return(0x40));
    ON_CALL(fake, SetSpindleSpeed(_)).WillByDefault(Return(true));
    ON_CALL(fake, StopMotion()).WillByDefault(Return(true));
    ON_CALL(fake, SetSpindleOverride(_)).WillByDefault(Return(true));
  }
  void SwitchOn() {
    spindle.OnBoxClicked(true);
    ASSERT_TRUE(spindle.BoxChecked());
    testing::Mock::VerifyAndClearExpectations(&fake);
  }
  void ExpectOff() {
    EXPECT_FALSE(spindle.BoxChecked());
    EXPECT_EQ("OFF", spindle.Label());
  }
  NiceMock<CFakeHVXController> fake;
  CHVXController* controller = &fake;
  CRecordingLog log;
  CRecordingMessages messages;
  CSpindleControl spindle;
};

}  // namespace

TEST_F(SpindleTest, TheBoxRunsTheSpindleAt7000RpmAndStopsItWithoutReadingTheCover) {
  EXPECT_CALL(fake, SetSpindleSpeed(7000)).WillOnce(Return(false)).WillOnce(Return(true));
  spindle.OnBoxClicked(true);
  ExpectOff();  // the switch-on failed
  spindle.OnBoxClicked(true);
  EXPECT_TRUE(spindle.BoxChecked());
  EXPECT_EQ("ON", spindle.Label());
  testing::Mock::VerifyAndClearExpectations(&fake);

  EXPECT_CALL(fake, GetInputState()).Times(0);
  EXPECT_CALL(fake, SetSpindleSpeed(0)).WillOnce(Return(true));
  spindle.OnBoxClicked(false);
  ExpectOff();
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
    ExpectOff();
    testing::Mock::VerifyAndClearExpectations(&fake);
  }
}

TEST_F(SpindleTest, OverrideStepsByTenClampedAtAHundredAndStopsBelowZero) {
  SwitchOn();
  {
    InSequence order;
    const std::pair<int, int> steps[] = {{50, 60},   {90, 100}, {95, 100},
                                         {100, 100}, {60, 50},  {5, 0}};
    for (const auto& step : steps) {
      EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(step.first));
      EXPECT_CALL(fake, SetSpindleOverride(step.second));
    }
    EXPECT_CALL(fake, GetSpindleOverride()).WillOnce(Return(0));
    EXPECT_CALL(fake, StopMotion());
    EXPECT_CALL(fake, SetSpindleSpeed(0));
  }
  for (int i = 0; i < 4; ++i) spindle.OnSpeedStep(true);
  for (int i = 0; i < 3; ++i) spindle.OnSpeedStep(false);
  // reaching the top by the clamp logs nothing
  EXPECT_THAT(log.lines, ElementsAre("RotateSpindle +", "RotateSpindle +", "RotateSpindle -",
                                     "RotateSpindle -", "Stopped Moving"));
  ExpectOff();
}

TEST_F(SpindleTest, OverrideStepsNeedTheSpindleOnAFreeMachineAndAReadableOverride) {
  EXPECT_CALL(fake, GetSpindleOverride()).Times(0);
  spindle.OnSpeedStep(true);  // box unchecked
  SwitchOn();
  EXPECT_CALL(fake, GetSpindleOverride()).Times(0);
  for (uint32_t state : {1u, 3u, 4u, 5u, 0x802u}) {
    EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(state));
    spindle.OnSpeedStep(true);
  }
  EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatusNotRead());
  spindle.OnSpeedStep(false);
  testing::Mock::VerifyAndClearExpectations(&fake);

  EXPECT_CALL(fake, GetSpindleOverride()).WillRepeatedly(Return(-1));
  EXPECT_CALL(fake, SetSpindleOverride(_)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(0);
  spindle.OnSpeedStep(true);
  spindle.OnSpeedStep(false);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(SpindleTest, StopAlwaysSendsBothStopsAndLogsWhatCameOfThem) {
  SwitchOn();
  {
    InSequence order;
    EXPECT_CALL(fake, StopMotion()).WillOnce(Return(true));
    EXPECT_CALL(fake, SetSpindleSpeed(0)).WillOnce(Return(true));
  }
  spindle.Stop();
  ExpectOff();
  testing::Mock::VerifyAndClearExpectations(&fake);

  SwitchOn();
  EXPECT_CALL(fake, StopMotion()).WillOnce(Return(false));
  EXPECT_CALL(fake, SetSpindleSpeed(0)).WillOnce(Return(true));
  spindle.Stop();
  ExpectOff();
  testing::Mock::VerifyAndClearExpectations(&fake);
  SwitchOn();
  EXPECT_CALL(fake, StopMotion()).WillOnce(Return(true));
  EXPECT_CALL(fake, SetSpindleSpeed(0)).WillOnce(Return(false));
  spindle.Stop();
  EXPECT_TRUE(spindle.BoxChecked()) << "a spindle that may still turn keeps showing ON";
  EXPECT_EQ("ON", spindle.Label());
  testing::Mock::VerifyAndClearExpectations(&fake);

  controller = nullptr;
  spindle.Stop();
  EXPECT_THAT(log.lines, ElementsAre("Stopped Moving", "Failed to stop moving",
                                     "Failed to stop spindle", "Failed to stop: no machine"));
}
