// The machine moves only when the engineer asks and stops whenever asked: key chords act only at
// the main window itself, a continuous move needs a mouse hold and ends the moment the hold
// does, STOP always sends, and closing the window stops motion and spindle first. Driven with
// real key and mouse input, as an engineer's hands would.
#include <algorithm>

#include "harness/journal_file.h"
#include "main_window_fixture.h"

namespace {

const char* const kStopMotionLine = "W 0273";
const char* const kSpindleOffLine = "W 3004 00000000";
const char* const kGoodbyeLine = "W 0209 00000000";

// Axes at a hundredth of their speed: a 100 Step move lasts some ten seconds.
const std::vector<std::string> kCrawlingMachine = {"/motion-scale", "0.01"};

// A click of the left mouse button on the control, its window brought to the front first as the
// engineer's eye and hand would find it.
void ClickWithMouse(HWND control) {
  SetForegroundWindow(GetAncestor(control, GA_ROOT));
  Sleep(300);
  CHeldMouse click(control);
  Sleep(100);
}

// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

size_t CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

ptrdiff_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) - lines.begin();
}

}  // namespace

TEST_F(MainWindowTest, KeyChordsJogOnlyAtTheMainWindowItself) {
  StartTool();
  ChooseStep(IDC_MAIN_STEP_1);
  SelectTab(GetDlgItem(main_, IDC_MAIN_TAB), 0);
  HWND info = FindPage(main_, "System Report");
  ASSERT_NE(nullptr, info);
  ClickWithMouse(GetDlgItem(info, IDC_INFO_SERIAL));
  { CHeldKeys chord({'X', 'I'}); Sleep(1200); }
  Sleep(600);
  EXPECT_EQ(0, MachineNumber("x")) << "X with I typed into the serial field must not jog";
  TakeScreenshot("chord-in-serial-field");

  HWND emulatorWindow = FindWindowA("HVX40SimWindow", nullptr);
  ASSERT_NE(nullptr, emulatorWindow);
  SetForegroundWindow(emulatorWindow);
  Sleep(300);
  { CHeldKeys chord({'X', 'I'}); Sleep(1200); }
  Sleep(600);
  EXPECT_EQ(0, MachineNumber("x")) << "X with I typed into another program must not jog";
  EXPECT_EQ(0u, WaitForLogCount("MoveTools X+", 0));

  // Back at the main window, with the focus on a button, the same chord jogs.
  ClickWithMouse(GetDlgItem(main_, IDC_MAIN_STEP_1));
  { CHeldKeys chord({'X', 'I'}); Sleep(1200); }
  EXPECT_NE("0", WaitForMachine("x", "10")) << "the chord at the main window itself jogs";
}

TEST_F(MainWindowTest, ReleasingAHighSpeedHoldStopsTheAxisAtOnceWithOneStop) {
  CJournalFile journal(ProgramFolder() + "main_window_release.journal");
  StartTool({"/journal", journal.path(), kSlowMachine[0], kSlowMachine[1]});
  ChooseStep(IDC_MAIN_HIGH_SPEED);
  journal.Mark();
  {
    CHeldMouse hold(GetDlgItem(main_, IDC_MAIN_JOG_X_PLUS));
    ASSERT_EQ("1", WaitForMachine("moving", "1"));
  }
  // Half a tick: the stop must not wait for the next one.
  Sleep(250);
  EXPECT_EQ("0", emulator_.Dump()["moving"]) << "the release must stop the axis at once";
  Sleep(1500);  // three ticks, with the released button keeping the focus
  EXPECT_EQ(1u, CountOf(journal.LinesSinceMark(), kStopMotionLine)) << "one stop per hold";
  EXPECT_EQ(1u, WaitForLogCount("MoveTools X+", 1));
}

TEST_F(MainWindowTest, OnlyAMouseHoldStartsAContinuousMove) {
  StartTool();
  ChooseStep(IDC_MAIN_HIGH_SPEED);
  HWND plusX = GetDlgItem(main_, IDC_MAIN_JOG_X_PLUS);
  // A click leaves the focus on the button. Being a short mouse hold, it may meet a tick and
  // move a little; what counts is what comes after it.
  ClickWithMouse(plusX);
  ASSERT_EQ(plusX, FocusOf(main_));
  ASSERT_EQ("0", WaitForMachine("moving", "0"));
  const long x = MachineNumber("x");
  const size_t moves = WaitForLogCount("MoveTools X+", 0);
  { CHeldKeys space({VK_SPACE}); Sleep(1200); }
  EXPECT_EQ(x, MachineNumber("x")) << "Space held on the focused button must not move";

  SendMessageA(GetDlgItem(main_, IDC_MAIN_JOG_Y_PLUS), BM_SETSTATE, TRUE, 0);
  Sleep(1200);
  SendMessageA(GetDlgItem(main_, IDC_MAIN_JOG_Y_PLUS), BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(0, MachineNumber("y")) << "a pushed state set from outside must not move";
  EXPECT_EQ("0", emulator_.Dump()["moving"]);
  EXPECT_EQ(moves, WaitForLogCount("MoveTools X+", 0));
  EXPECT_EQ(0u, WaitForLogCount("MoveTools Y+", 0));
}

TEST_F(MainWindowTest, StopSendsItsCommandsWhateverTheMachineReports) {
  CJournalFile journal(ProgramFolder() + "main_window_stop.journal");
  StartTool({"/journal", journal.path()});
  PostButtonClick(main_, IDC_MAIN_SPINDLE_ON);
  ASSERT_EQ("7000", WaitForMachine("spindle_set_rpm", "7000"));
  ASSERT_TRUE(emulator_.Send("fault offline on"));
  ASSERT_EQ("Offline", WaitForField(IDC_MAIN_STATUS, "Offline"));
  journal.Mark();
  CWindowDriver::Click(main_, IDC_MAIN_STOP);
  EXPECT_EQ("0", WaitForMachine("spindle_set_rpm", "0"));
  const std::vector<std::string> lines = journal.LinesSinceMark();
  EXPECT_LT(IndexOf(lines, kStopMotionLine), IndexOf(lines, kSpindleOffLine));
  EXPECT_LT(IndexOf(lines, kSpindleOffLine), static_cast<ptrdiff_t>(lines.size()));
  EXPECT_EQ("OFF", WaitForField(IDC_MAIN_SPINDLE_STATE, "OFF"));
  EXPECT_EQ(1u, WaitForLogCount("Stopped Moving", 1)) << "both stops were taken";
  TakeScreenshot("stop-offline");
}

TEST_F(MainWindowTest, ClosingTheWindowStopsMotionAndSpindleBeforeLettingGo) {
  CJournalFile journal(ProgramFolder() + "main_window_close_stop.journal");
  StartTool({"/journal", journal.path(), kCrawlingMachine[0], kCrawlingMachine[1]});
  PostButtonClick(main_, IDC_MAIN_SPINDLE_ON);
  ASSERT_EQ("7000", WaitForMachine("spindle_set_rpm", "7000"));
  ChooseStep(IDC_MAIN_STEP_100);
  CWindowDriver::Click(main_, IDC_MAIN_JOG_X_PLUS);
  ASSERT_EQ("1", WaitForMachine("moving", "1"));
  journal.Mark();
  ASSERT_EQ(0, CloseTool());
  EXPECT_EQ("0", emulator_.Dump()["moving"]) << "nobody is at the controls any more";
  EXPECT_EQ("0", emulator_.Dump()["spindle_set_rpm"]);
  const std::vector<std::string> lines = journal.LinesSinceMark();
  const ptrdiff_t goodbye = IndexOf(lines, kGoodbyeLine);
  ASSERT_LT(goodbye, static_cast<ptrdiff_t>(lines.size()));
  EXPECT_LT(IndexOf(lines, kStopMotionLine), goodbye);
  EXPECT_LT(IndexOf(lines, kSpindleOffLine), goodbye);
}
