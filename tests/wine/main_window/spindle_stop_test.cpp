// The spindle box with its cover guard, the override steps, and STOP.
#include "main_window_fixture.h"

namespace {

const char* const kCoverOpenMessage = "Cover is open. Close the cover and try it again.";

}  // namespace

TEST_F(MainWindowTest, TheSpindleBoxSwitchesTheSpindleAndTheOverrideStepsByTen) {
  StartTool();
  PostButtonClick(main_, IDC_MAIN_SPINDLE_ON);
  EXPECT_EQ("7000", WaitForMachine("spindle_set_rpm", "7000"));
  EXPECT_EQ("ON", WaitForField(IDC_MAIN_SPINDLE_STATE, "ON"));
  EXPECT_EQ("7000", WaitForField(IDC_MAIN_SPINDLE_SPEED, "7000"));

  CWindowDriver::Click(main_, IDC_MAIN_SPINDLE_DOWN);
  EXPECT_EQ("90", WaitForMachine("spindle_override", "90"));
  EXPECT_EQ(1u, WaitForLogCount("RotateSpindle -", 1));
  CWindowDriver::Click(main_, IDC_MAIN_SPINDLE_UP);
  EXPECT_EQ("100", WaitForMachine("spindle_override", "100"));
  EXPECT_EQ(1u, WaitForLogCount("RotateSpindle +", 1));
  CWindowDriver::Click(main_, IDC_MAIN_SPINDLE_UP);
  Sleep(1000);
  EXPECT_EQ("100", WaitForMachine("spindle_override", "100"));
  EXPECT_EQ(1u, WaitForLogCount("RotateSpindle +", 2)) << "a step at the top is not logged";

  PostButtonClick(main_, IDC_MAIN_SPINDLE_ON);
  EXPECT_EQ("0", WaitForMachine("spindle_set_rpm", "0"));
  EXPECT_EQ("OFF", WaitForField(IDC_MAIN_SPINDLE_STATE, "OFF"));
}

TEST_F(MainWindowTest, TheSpindleBoxRefusesWhileTheCoverIsOpen) {
  StartTool();
  ASSERT_TRUE(emulator_.Send("cover open"));
  ASSERT_EQ("Cover is open", WaitForField(IDC_MAIN_STATUS, "Cover is open"));
  PostButtonClick(main_, IDC_MAIN_SPINDLE_ON);
  HWND box = driver_->WaitForBoxWithText(kCoverOpenMessage, kWaitMs);
  ASSERT_NE(nullptr, box) << "no box saying: " << kCoverOpenMessage;
  TakeScreenshot("spindle-cover-open");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(driver_->WaitUntilGone(box, kWaitMs));
  EXPECT_FALSE(IsChecked(main_, IDC_MAIN_SPINDLE_ON));
  EXPECT_EQ("OFF", Field(IDC_MAIN_SPINDLE_STATE));
  EXPECT_EQ("0", emulator_.Dump()["spindle_set_rpm"]) << "nothing may reach the spindle";
}

TEST_F(MainWindowTest, StopEndsMotionAndSpindle) {
  // Axes at a hundredth of their speed: a 100 Step move lasts some ten seconds.
  StartTool({"/motion-scale", "0.01"});
  PostButtonClick(main_, IDC_MAIN_SPINDLE_ON);
  ASSERT_EQ("7000", WaitForMachine("spindle_set_rpm", "7000"));
  ChooseStep(IDC_MAIN_STEP_100);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_Y_PLUS);
  ASSERT_EQ("1", WaitForMachine("moving", "1"));

  CWindowDriver::Click(main_, IDC_MAIN_STOP);
  EXPECT_EQ("0", WaitForMachine("moving", "0"));
  EXPECT_EQ("0", WaitForMachine("spindle_set_rpm", "0"));
  EXPECT_LT(MachineNumber("y"), 1000) << "stopped before the end of the step";
  EXPECT_EQ("OFF", WaitForField(IDC_MAIN_SPINDLE_STATE, "OFF"));
  EXPECT_FALSE(IsChecked(main_, IDC_MAIN_SPINDLE_ON));
  EXPECT_EQ(1u, WaitForLogCount("Stopped Moving", 1));
}
