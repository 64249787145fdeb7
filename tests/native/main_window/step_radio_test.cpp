// The step mode follows a "Cursor Steps" click at once: a jog click that comes before the next
// tick must not be taken as a single step in a speed mode, which would send the axis to the
// end of its travel with nothing to stop it.
#include <gtest/gtest.h>

#include "main_control_ids.h"
#include "main_test_doubles.h"
#include "main_window_logic.h"

using hvxtest::ReturnPosition;
using hvxtest::ReturnStatus;
using testing::_;
using testing::NiceMock;
using testing::Return;

namespace {

class StepRadioTest : public testing::Test {
 protected:
  StepRadioTest() : logic([this] { return &fake; }, log, messages, keys) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({1000, 2000, -3000}));
    ON_CALL(fake, MoveTo(_, _)).WillByDefault(Return(true));
  }

  NiceMock<CFakeHVXController> fake;
  CRecordingLog log;
  CRecordingMessages messages;
  CFakeKeys keys;
  CMainWindowLogic logic;
};

TEST_F(StepRadioTest, AClickRightAfterChoosingASpeedModeMovesNothing) {
  logic.StartUp(true);
  log.lines.clear();
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  for (const StepRadios& speed : {LowSpeed(), HighSpeed()}) {
    logic.OnStepRadioClicked(speed);
    logic.OnJogButton(IDC_MAIN_JOG_X_PLUS, speed);
  }
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(StepRadioTest, ChoosingAStepModeAgainMakesClicksStepAtOnce) {
  logic.StartUp(true);
  log.lines.clear();
  logic.OnStepRadioClicked(HighSpeed());
  logic.OnStepRadioClicked(TenStep());
  EXPECT_CALL(fake, MoveTo(_, 100)).WillOnce(Return(true));
  logic.OnJogButton(IDC_MAIN_JOG_X_PLUS, TenStep());
  EXPECT_EQ(std::vector<std::string>{"MoveTools X+"}, log.lines);
}

}  // namespace
