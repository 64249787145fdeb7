// Jogging from the main window against the emulator: single steps by click within the travel,
// continuous moves while a button is held in the speed modes, and key chords.
#include "main_window_fixture.h"

TEST_F(MainWindowTest, StepClicksMoveOneStepAndAreLogged) {
  StartTool();
  ChooseStep(IDC_MAIN_STEP_10);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_X_PLUS);
  EXPECT_EQ("100", WaitForMachine("x", "100")) << "10 Step moves X by 100 micrometres";
  EXPECT_EQ("0.10", WaitForField(IDC_MAIN_POS_X, "0.10"));
  EXPECT_EQ(1u, WaitForLogCount("MoveTools X+", 1));

  ChooseStep(IDC_MAIN_STEP_1);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_Z_MINUS);
  EXPECT_EQ("-10", WaitForMachine("z", "-10"));
  EXPECT_EQ("-0.01", WaitForField(IDC_MAIN_POS_Z, "-0.01"));
  EXPECT_EQ(1u, WaitForLogCount("MoveTools Z-", 1));
  TakeScreenshot("step-jog");
}

TEST_F(MainWindowTest, StepsStopAtTheEndsOfTravel) {
  StartTool();
  ASSERT_TRUE(emulator_.Send("position 203150 50 -5"));
  ASSERT_EQ("203.15", WaitForField(IDC_MAIN_POS_X, "203.15"));
  ChooseStep(IDC_MAIN_STEP_100);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_X_PLUS);
  EXPECT_EQ("203200", WaitForMachine("x", "203200"));
  CWindowDriver::Click(main_, IDC_MAIN_JOG_Y_MINUS);
  EXPECT_EQ("0", WaitForMachine("y", "0"));
  ChooseStep(IDC_MAIN_STEP_10);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_Z_PLUS);
  EXPECT_EQ("0", WaitForMachine("z", "0"));
  EXPECT_EQ(1u, WaitForLogCount("MoveTools Z+", 1));
}

TEST_F(MainWindowTest, AHeldButtonInHighSpeedMovesUntilItIsReleased) {
  StartTool(kSlowMachine);
  ChooseStep(IDC_MAIN_HIGH_SPEED);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_X_PLUS);
  Sleep(1500);
  EXPECT_EQ(0, MachineNumber("x")) << "a click in a speed mode must not move";
  EXPECT_EQ(0u, WaitForLogCount("MoveTools X+", 0));

  CHeldMouse hold(GetDlgItem(main_, IDC_MAIN_JOG_X_PLUS));
  ASSERT_EQ("1", WaitForMachine("moving", "1")) << "the tick must start the move of a held button";
  EXPECT_EQ("Busy", WaitForField(IDC_MAIN_STATUS, "Busy"));
  TakeScreenshot("high-speed-held");
  hold.Release();
  ASSERT_EQ("0", WaitForMachine("moving", "0")) << "the tick after the release must stop it";
  const long stoppedAt = MachineNumber("x");
  EXPECT_GT(stoppedAt, 0);
  EXPECT_LT(stoppedAt, 203200) << "stopped on release, not at the end of travel";
  Sleep(1500);
  EXPECT_EQ(stoppedAt, MachineNumber("x"));
  EXPECT_EQ("Ready", WaitForField(IDC_MAIN_STATUS, "Ready"));
  EXPECT_EQ(1u, WaitForLogCount("MoveTools X+", 1)) << "one move for one hold";
}

TEST_F(MainWindowTest, AKeyChordJogsOneStepPerTickWhileHeld) {
  StartTool();
  ChooseStep(IDC_MAIN_STEP_1);
  {
    CHeldKeys chord({'X', 'I'});
    Sleep(1200);
  }
  Sleep(1000);
  const long x = MachineNumber("x");
  EXPECT_EQ(0, x % 10);
  EXPECT_GE(x, 10);
  EXPECT_LE(x, 40) << "at most one step of 10 micrometres per 500 ms tick";
  EXPECT_EQ(static_cast<size_t>(x / 10), WaitForLogCount("MoveTools X+", x / 10));
  EXPECT_EQ(0, MachineNumber("y")) << "X+I moves X only";
}
