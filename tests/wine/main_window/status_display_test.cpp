// What the main window shows of the machine: identity, status, cover and limit sensors, the
// position cut to two decimals, the pages behind their tabs, the controls that follow the
// connected flag, and the goodbye to the machine when the window closes.
#include <algorithm>
#include <cstdio>

#include "harness/journal_file.h"
#include "main_window_fixture.h"

namespace {

const int kInfoPageButtons[] = {1007, 1008, 1009, 1011};
const char* const kPageTitles[] = {"System Report", "Load Check", "Output Data", "Sensor Check"};

bool MachineControlsEnabled(HWND main) {
  for (int id : {IDC_MAIN_JOG_X_PLUS, IDC_MAIN_JOG_Z_MINUS, IDC_MAIN_SPINDLE_UP, IDC_MAIN_STEP_1,
                 IDC_MAIN_HIGH_SPEED, IDC_MAIN_SPINDLE_ON}) {
    if (!IsWindowEnabled(GetDlgItem(main, id))) return false;
  }
  return true;
}

bool WaitForControlsEnabled(HWND main, bool enabled) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(100)) {
    if (MachineControlsEnabled(main) == enabled) return true;
  }
  return false;
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheMachinesIdentityThePositionAndTheFirstPage) {
  StartTool();
  EXPECT_EQ("Varnel HVX-40", Field(IDC_MAIN_DEVICE_NAME));
  EXPECT_EQ("1.02", Field(IDC_MAIN_FIRMWARE)) << "firmware 0102 shows as 1.02";
  EXPECT_EQ("A", Field(IDC_MAIN_USB_ID));
  EXPECT_EQ("CLOSE", Field(IDC_MAIN_COVER));
  EXPECT_EQ("---", Field(IDC_MAIN_X_LIMIT));
  EXPECT_EQ("0.00", Field(IDC_MAIN_POS_X));
  EXPECT_EQ("0", Field(IDC_MAIN_SPINDLE_SPEED));
  EXPECT_TRUE(IsChecked(main_, IDC_MAIN_STEP_100));
  EXPECT_FALSE(IsChecked(main_, IDC_MAIN_SPINDLE_ON));
  EXPECT_EQ("OFF", Field(IDC_MAIN_SPINDLE_STATE));
  EXPECT_EQ(std::vector<std::string>{"Open MEK"}, LogMessages());

  HWND pages[4];
  for (int i = 0; i < 4; ++i) {
    pages[i] = FindPage(main_, kPageTitles[i]);
    ASSERT_NE(nullptr, pages[i]) << kPageTitles[i];
    EXPECT_EQ(i == 0, IsWindowVisible(pages[i]) != 0) << kPageTitles[i];
  }
  // The log panel lies wholly inside the window, at whatever size the window's font gives it.
  HWND log = FindPage(main_, "Log");
  ASSERT_NE(nullptr, log);
  RECT panel{}, client{};
  GetWindowRect(log, &panel);
  GetClientRect(main_, &client);
  MapWindowPoints(main_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_LE(panel.bottom, client.bottom) << "the log panel reaches below the window";
  RECT tabs{}, page{};
  GetWindowRect(GetDlgItem(main_, IDC_MAIN_TAB), &tabs);
  GetWindowRect(pages[0], &page);
  EXPECT_LE(page.bottom, tabs.bottom) << "the page hangs out of the tab frame";
  EXPECT_LE(page.right, tabs.right);
  EXPECT_LE(tabs.bottom, client.bottom) << "the tab frame reaches below the window";
  TakeScreenshot("start");

  SelectTab(GetDlgItem(main_, IDC_MAIN_TAB), 2);
  for (DWORD start = GetTickCount(); !IsWindowVisible(pages[2]) && GetTickCount() - start < 5000;)
    Sleep(50);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i == 2, IsWindowVisible(pages[i]) != 0) << kPageTitles[i];
  TakeScreenshot("output-tab");
}

TEST_F(MainWindowTest, PositionsAreShownInMillimetresCutToTwoDecimals) {
  StartTool();
  ASSERT_TRUE(emulator_.Send("position 12349 100999 -60499"));
  EXPECT_EQ("12.34", WaitForField(IDC_MAIN_POS_X, "12.34"));
  EXPECT_EQ("100.99", WaitForField(IDC_MAIN_POS_Y, "100.99"));
  EXPECT_EQ("-60.49", WaitForField(IDC_MAIN_POS_Z, "-60.49"));
}

TEST_F(MainWindowTest, StatusAndSensorsFollowTheMachine) {
  StartTool();
  ASSERT_TRUE(emulator_.Send("cover open"));
  EXPECT_EQ("Cover is open", WaitForField(IDC_MAIN_STATUS, "Cover is open"));
  EXPECT_EQ("OPEN", WaitForField(IDC_MAIN_COVER, "OPEN"));
  TakeScreenshot("cover-open");
  ASSERT_TRUE(emulator_.Send("cover close"));
  EXPECT_EQ("Ready", WaitForField(IDC_MAIN_STATUS, "Ready"));
  EXPECT_EQ("CLOSE", WaitForField(IDC_MAIN_COVER, "CLOSE"));

  ASSERT_TRUE(emulator_.Send("sensor y on"));
  EXPECT_EQ("ON", WaitForField(IDC_MAIN_Y_LIMIT, "ON"));
  EXPECT_EQ("---", Field(IDC_MAIN_X_LIMIT));
  ASSERT_TRUE(emulator_.Send("sensor y off"));
  EXPECT_EQ("---", WaitForField(IDC_MAIN_Y_LIMIT, "---"));
}

TEST_F(MainWindowTest, AnOfflineMachineDisablesTheMachineControlsOfWindowAndPages) {
  StartTool();
  HWND info = FindPage(main_, "System Report");
  HWND axis = FindPage(main_, "Load Check");
  HWND output = FindPage(main_, "Output Data");
  HWND sub = FindPage(main_, "Sensor Check");
  ASSERT_TRUE(info && axis && output && sub);
  ASSERT_TRUE(MachineControlsEnabled(main_));

  ASSERT_TRUE(emulator_.Send("fault offline on"));
  EXPECT_EQ("Offline", WaitForField(IDC_MAIN_STATUS, "Offline"));
  EXPECT_TRUE(WaitForControlsEnabled(main_, false));
  for (int id : kInfoPageButtons) EXPECT_FALSE(IsEnabled(info, id)) << "Info page " << id;
  EXPECT_FALSE(IsEnabled(axis, 1016));
  EXPECT_FALSE(IsEnabled(axis, 1013));
  EXPECT_FALSE(IsEnabled(output, 1013));
  EXPECT_FALSE(IsEnabled(output, 1020));
  EXPECT_FALSE(IsEnabled(sub, 1103));
  EXPECT_TRUE(IsEnabled(main_, IDC_MAIN_STOP)) << "STOP must stay usable";
  EXPECT_TRUE(IsEnabled(main_, IDC_MAIN_DEVICE_MANAGER));
  EXPECT_TRUE(IsEnabled(main_, IDC_MAIN_TAB));
  TakeScreenshot("offline");

  ASSERT_TRUE(emulator_.Send("fault offline off"));
  EXPECT_EQ("Ready", WaitForField(IDC_MAIN_STATUS, "Ready"));
  EXPECT_TRUE(WaitForControlsEnabled(main_, true)) << "a machine back on line is picked up";
  EXPECT_TRUE(IsEnabled(info, 1007));
  EXPECT_TRUE(IsEnabled(sub, 1103));
}

TEST_F(MainWindowTest, ClosingTheWindowTellsTheMachineAndRemovesTheLibrary) {
  CJournalFile journal(ProgramFolder() + "main_window_close.journal");
  StartTool({"/journal", journal.path()});
  journal.Mark();
  ASSERT_EQ(0, CloseTool());
  std::vector<std::string> lines = journal.LinesSinceMark();
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "W 0209 00000000"))
      << "value 0 through command 0x0209 when the window goes";
  EXPECT_FALSE(FileExists(WrittenLibraryPath()));
}

TEST_F(MainWindowTest, ASilentMachineShowsNothingReadAndIsPickedUpWhenItAnswersAgain) {
  StartTool();
  ASSERT_TRUE(emulator_.Send("fault noack on"));
  EXPECT_EQ("Offline", WaitForField(IDC_MAIN_STATUS, "Offline"));
  EXPECT_EQ("---", WaitForField(IDC_MAIN_POS_X, "---"));
  EXPECT_EQ("---", WaitForField(IDC_MAIN_SERIAL, "---"));
  EXPECT_EQ("---", WaitForField(IDC_MAIN_SPINDLE_SPEED, "---")) << "a speed not read is no 0 rpm";
  TakeScreenshot("silent-machine");
  ASSERT_TRUE(emulator_.Send("fault noack off"));
  EXPECT_EQ("Ready", WaitForField(IDC_MAIN_STATUS, "Ready"));
  EXPECT_EQ("0.00", WaitForField(IDC_MAIN_POS_X, "0.00"));
  EXPECT_EQ("HVX0001", WaitForField(IDC_MAIN_SERIAL, "HVX0001"));
}

namespace {

// Wine's X11 driver waits up to 2 s for a window manager to withdraw a top-level window that is
// hidden, and the test display runs none. While this lives the tool's windows are unmanaged, so
// that a timing measures the tool's own way out rather than that wait.
class CUnmanagedToolWindows {
 public:
  CUnmanagedToolWindows() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return;
    }
    RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(key);
  }
  ~CUnmanagedToolWindows() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kAppKey);
  }

 private:
  static constexpr const char* kAppKey = "Software\\Wine\\AppDefaults\\HVX40MEK.exe";
  static constexpr const char* kKey = "Software\\Wine\\AppDefaults\\HVX40MEK.exe\\X11 Driver";
};

}  // namespace

// Each send to a silent machine would wait for its acknowledge: the window sends nothing more,
// goes at once, and the log says what was not sent.
TEST_F(MainWindowTest, ClosingOnASilentMachineTakesAtMostTwoSecondsAndLogsWhatWasNotSent) {
  const CUnmanagedToolWindows unmanaged;
  StartTool();
  ASSERT_TRUE(emulator_.Send("fault noack on"));
  ASSERT_EQ("Offline", WaitForField(IDC_MAIN_STATUS, "Offline"));
  const DWORD asked = GetTickCount();
  EXPECT_EQ(0, CloseTool());
  const DWORD took = GetTickCount() - asked;
  EXPECT_LE(took, 2000u);
  std::printf("closing on a silent machine took %lu ms\n", static_cast<unsigned long>(took));
  const std::vector<std::string> messages = LogMessages();
  EXPECT_NE(messages.end(),
            std::find(messages.begin(), messages.end(),
                      "Not sent on closing, the machine not answering: stop, spindle off, end of "
                      "session"));
  EXPECT_EQ("Close MEK", messages.empty() ? "" : messages.back());
}
