// The main window from the keyboard, with real key and mouse events sent through the X display
// (xdotool): Escape and Enter leave the session alone, Tab and Shift+Tab visit every enabled
// control of the window, the page in view and the log panel, Ctrl+Tab turns the pages, a stray
// Enter on a clearing question changes nothing, and Alt+F4 closes the window.
#include <algorithm>
#include <set>
#include <utility>

#include "main_window_fixture.h"

#include <commctrl.h>

namespace {

// Runs xdotool on the X display the program runs on. Wine starts the Unix program without a
// handle to wait on, so the caller waits for the effect it expects.
void XdoTool(const std::string& arguments) {
  std::string line = "/usr/bin/xdotool " + arguments;
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  // Its output goes nowhere: a Unix program started from here would otherwise share the test
  // program's own output file and could cut off its report.
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE nowhere = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inheritable, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nowhere;
  PROCESS_INFORMATION info{};
  const BOOL started = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &info);
  CloseHandle(nowhere);
  ASSERT_TRUE(started);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  Sleep(400);
}

void PressKeys(const std::string& keys) { XdoTool("key --delay 60 " + keys); }

void ClickOn(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  XdoTool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
          std::to_string((rect.top + rect.bottom) / 2) + " click 1");
}

// The control that has the keyboard focus in the tool's window thread.
HWND ToolFocus(HWND main) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
  return info.hwndFocus;
}

HWND WaitForFocus(HWND main, HWND wanted) {
  HWND focus = nullptr;
  for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(50)) {
    if ((focus = ToolFocus(main)) == wanted) break;
  }
  return focus;
}

bool Reachable(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  return (style & WS_TABSTOP) && IsWindowVisible(control) && IsWindowEnabled(control);
}

// Every control that Tab must reach: the window's own, those of the visible page and the log's.
std::set<HWND> TabStops(HWND main) {
  std::set<HWND> stops;
  for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
      for (HWND item = GetWindow(child, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT))
        if (Reachable(item)) stops.insert(item);
    } else if (Reachable(child)) {
      stops.insert(child);
    }
  }
  return stops;
}

// Presses the key (one press per control) until the focus comes back to where it started.
std::vector<HWND> WalkWith(HWND main, const std::string& key, size_t limit) {
  const HWND start = ToolFocus(main);
  std::vector<HWND> visited;
  for (size_t n = 0; n < limit; ++n) {
    const HWND before = ToolFocus(main);
    PressKeys(key);
    HWND now = before;
    for (int wait = 0; wait < 20 && now == before; ++wait, Sleep(50)) now = ToolFocus(main);
    if (now == start || now == before) break;
    visited.push_back(now);
  }
  visited.push_back(start);
  return visited;
}

int SelectedTab(HWND main) {
  return static_cast<int>(SendMessageA(GetDlgItem(main, IDC_MAIN_TAB), TCM_GETCURSEL, 0, 0));
}

// The control with that id of a visible child dialog of the main window (the page in view or
// the log panel); the pages share ids among themselves and with the window.
HWND ChildDialogItem(HWND main, int id) {
  for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    if (HWND item = GetDlgItem(child, id)) return item;
  }
  return nullptr;
}

bool Contains(const std::vector<HWND>& walk, HWND control) {
  return std::find(walk.begin(), walk.end(), control) != walk.end();
}

}  // namespace

TEST_F(MainWindowTest, EscapeAndEnterLeaveTheSessionAndTheLogPanelAlone) {
  StartTool();
  HWND logText = ChildDialogItem(main_, IDC_LOG_TEXT);
  ASSERT_NE(nullptr, logText);
  for (HWND field : {GetDlgItem(main_, IDC_MAIN_SERIAL), logText}) {
    ClickOn(field);
    ASSERT_EQ(field, WaitForFocus(main_, field));
    PressKeys("Escape Return Escape");
  }
  Sleep(3000);
  EXPECT_TRUE(IsWindow(main_)) << "a stray Escape ended the session";
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(tool_.process(), 0));
  EXPECT_TRUE(IsWindowVisible(GetParent(logText))) << "a stray cancel hid the log panel";
  TakeScreenshot("keyboard-escape");

  PressKeys("alt+F4");
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(tool_.process(), kWaitMs)) << "Alt+F4 closes";
  main_ = nullptr;
  std::vector<std::string> log = LogMessages();
  EXPECT_EQ("Close MEK", log.empty() ? "" : log.back()) << "the session ends on the record";
}

// The walk once went from the tab control into the log panel and stayed there.
TEST_F(MainWindowTest, TabAndShiftTabVisitEveryEnabledControlOfTheWindowThePageAndTheLog) {
  StartTool();
  HWND serial = GetDlgItem(main_, IDC_MAIN_SERIAL);
  ClickOn(serial);
  ASSERT_EQ(serial, WaitForFocus(main_, serial));
  std::set<HWND> stops = TabStops(main_);
  // A group of radio buttons is one stop, its checked button: walking past must not choose
  // another step mode.
  stops.erase(GetDlgItem(main_, IDC_MAIN_STEP_1));
  stops.insert(GetDlgItem(main_, IDC_MAIN_STEP_100));
  const std::vector<HWND> forward = WalkWith(main_, "Tab", stops.size() + 5);
  EXPECT_EQ(stops, std::set<HWND>(forward.begin(), forward.end()));
  EXPECT_TRUE(Contains(forward, ChildDialogItem(main_, IDC_INFO_CLEAR_ALL))) << "into the page";
  EXPECT_TRUE(Contains(forward, ChildDialogItem(main_, IDC_LOG_TEXT))) << "into the log";
  EXPECT_TRUE(IsChecked(main_, IDC_MAIN_STEP_100));

  const std::vector<HWND> backward = WalkWith(main_, "shift+Tab", stops.size() + 5);
  std::vector<HWND> reversed(backward.begin(), backward.end() - 1);
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(std::vector<HWND>(forward.begin(), forward.end() - 1), reversed)
      << "Shift+Tab walks the same way back";
  EXPECT_TRUE(IsChecked(main_, IDC_MAIN_STEP_100));
  EXPECT_TRUE(IsWindow(main_));
}

TEST_F(MainWindowTest, CtrlTabAndCtrlShiftTabTurnThePagesAndTheFocusFollows) {
  StartTool();
  HWND clearAll = ChildDialogItem(main_, IDC_INFO_CLEAR_ALL);
  HWND serialEdit = ChildDialogItem(main_, IDC_INFO_SERIAL);
  ClickOn(serialEdit);
  ASSERT_EQ(serialEdit, WaitForFocus(main_, serialEdit));
  const std::pair<const char*, int> turns[] = {
      {"ctrl+Tab", 1}, {"ctrl+Tab", 2}, {"ctrl+Tab", 3}, {"ctrl+Tab", 0},
      {"ctrl+shift+Tab", 3}, {"ctrl+shift+Tab", 2}};
  for (const auto& turn : turns) {
    PressKeys(turn.first);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(50))
      if (SelectedTab(main_) == turn.second) break;
    EXPECT_EQ(turn.second, SelectedTab(main_)) << turn.first;
    const HWND focus = ToolFocus(main_);
    EXPECT_TRUE(IsWindowVisible(focus)) << "the focus stayed on a hidden page";
  }
  EXPECT_TRUE(IsWindowVisible(GetParent(ChildDialogItem(main_, IDC_OUTPUT_SEND))));
  EXPECT_FALSE(IsWindowVisible(GetParent(clearAll)));
  TakeScreenshot("keyboard-ctrl-tab");
}

// A stray Enter on a question whose Yes would reset the machine's parameters answers No.
TEST_F(MainWindowTest, EnterOnTheClearQuestionsChangesNothing) {
  StartTool();
  const std::string shortCode = emulator_.Dump()["short_code"];
  for (int button : {IDC_INFO_CLEAR_ALL, IDC_INFO_CLEAR_USER}) {
    ClickOn(ChildDialogItem(main_, button));
    HWND box = driver_->WaitForBoxWithText(button == IDC_INFO_CLEAR_ALL
                                               ? "Do you really want to clear all parameter?"
                                               : "Do you really want to clear user parameters?",
                                           kWaitMs);
    ASSERT_NE(nullptr, box);
    if (button == IDC_INFO_CLEAR_ALL) TakeScreenshot("clear-all-question");
    PressKeys("Return");
    ASSERT_TRUE(driver_->WaitUntilGone(box, kWaitMs));
  }
  Sleep(500);
  for (const std::string& line : LogMessages()) {
    EXPECT_EQ(std::string::npos, line.find("lear")) << line;
  }
  EXPECT_EQ(shortCode, emulator_.Dump()["short_code"]) << "Clear User reached the machine";
}
