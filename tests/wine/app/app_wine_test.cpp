// HVX40MEK.exe run for real in simulator mode: start-up and binding, the automatic connection
// to the emulator, the device manager's buttons, the log file, and the clean-up at the end.
#include <gtest/gtest.h>

#include <regex>

#include "harness/emulator_process.h"
#include "hvx_version.h"
#include "../driver/tool_session.h"
#include "../driver/window_driver.h"

namespace {

const int kDeviceManagerButton = 1006;
const int kDeviceNameStatic = 1084;
const int kRefresh = 1030, kConnect = 1058, kOk = 1013, kClose = 1093;
const DWORD kWaitMs = 20000;
// The real main window names the program version in its title.
const std::string kMainCaption = HVX_MAIN_WINDOW_TITLE;
const std::string kManagerCaption = "Device Manager";
typedef std::vector<std::string> Row;

// Every log line is the local time "YYYY/MM/DD hh:mm:ss " followed by the message.
bool IsEntry(const std::string& line, const std::string& message) {
  static const std::regex stamp(R"(^\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2} )");
  std::string text = line;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return std::regex_search(text, stamp) && text.substr(20) == message;
}

class ToolInSimulatorMode : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(CurrentLogFile().c_str());
    DeleteFileA(WrittenLibraryPath().c_str());
  }
  void TearDown() override { emulator.Stop(); }

  void StartTool() {
    ASSERT_TRUE(tool.Start("/simulator"));
    driver.reset(new CWindowDriver(tool.process()));
  }
  HWND WaitForMain() { return driver->WaitForWindow(kMainCaption, kWaitMs); }
  std::vector<std::string> LogLines() { return ReadLines(CurrentLogFile()); }
  // The list's rows once they read as expected, or the rows seen last within the wait.
  std::vector<Row> WaitForRows(HWND list, const std::vector<Row>& expected) {
    std::vector<Row> rows;
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100)) {
      if ((rows = driver->ListRows(list, 3)) == expected) break;
    }
    return rows;
  }
  // The log's last line once it is the entry, or the last line seen within the wait.
  std::string WaitForLastEntry(const std::string& message) {
    std::string last;
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100)) {
      std::vector<std::string> lines = LogLines();
      last = lines.empty() ? "" : lines.back();
      if (IsEntry(last, message)) break;
    }
    return last;
  }

  CEmulatorProcess emulator;
  CToolSession tool;
  std::unique_ptr<CWindowDriver> driver;
};

}  // namespace

TEST_F(ToolInSimulatorMode, ConnectsByItselfLogsOpenMekAndRemovesTheLibraryAtTheEnd) {
  ASSERT_TRUE(emulator.Start({}));
  StartTool();
  HWND main = WaitForMain();
  ASSERT_NE(nullptr, main) << "the main window did not come up";
  EXPECT_EQ(nullptr, driver->FindWindowByCaption(kManagerCaption))
      << "with the one emulator the device manager closes by itself";
  EXPECT_EQ("Varnel HVX-40", CWindowDriver::ItemText(main, kDeviceNameStatic));
  EXPECT_TRUE(FileExists(WrittenLibraryPath()));

  std::vector<std::string> lines = LogLines();
  ASSERT_EQ(1u, lines.size());
  EXPECT_TRUE(IsEntry(lines[0], "Open MEK")) << lines[0];

  EXPECT_EQ(0, tool.Close(main));
  EXPECT_FALSE(FileExists(WrittenLibraryPath())) << "HVX40CTR.DLL must go when the tool ends";
}

TEST_F(ToolInSimulatorMode, DeviceManagerButtonsRefreshConnectConfirmAndClose) {
  ASSERT_TRUE(emulator.Start({}));
  StartTool();
  HWND main = WaitForMain();
  ASSERT_NE(nullptr, main);

  CWindowDriver::Click(main, kDeviceManagerButton);
  HWND manager = driver->WaitForWindow(kManagerCaption, kWaitMs);
  ASSERT_NE(nullptr, manager);
  HWND list = CWindowDriver::VisibleList(manager);
  ASSERT_NE(nullptr, list);
  EXPECT_EQ((std::vector<Row>{{"Varnel HVX-40", "ready", "Varnel HVX-40"}}),
            driver->ListRows(list, 3));

  // OK before a connection is refused with its box, and the manager stays.
  CWindowDriver::Click(manager, kOk);
  HWND box = driver->WaitForBoxWithText("Device is not connected.", kWaitMs);
  ASSERT_NE(nullptr, box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(driver->WaitUntilGone(box, kWaitMs));
  EXPECT_TRUE(IsWindowVisible(manager));

  CWindowDriver::Click(manager, kRefresh);
  const std::vector<Row> ready{{"Varnel HVX-40", "ready", "Varnel HVX-40"}};
  EXPECT_EQ(ready, WaitForRows(list, ready));
  CWindowDriver::Click(manager, kConnect);
  const std::vector<Row> connected{{"Varnel HVX-40", "Connected", "Varnel HVX-40"}};
  EXPECT_EQ(connected, WaitForRows(list, connected));
  CWindowDriver::Click(manager, kOk);
  ASSERT_TRUE(driver->WaitUntilGone(manager, kWaitMs));
  std::string last = WaitForLastEntry("Connected");
  EXPECT_TRUE(IsEntry(last, "Connected")) << last;

  // Close without connecting: the new wrapper of this opening holds no connection.
  CWindowDriver::Click(main, kDeviceManagerButton);
  manager = driver->WaitForWindow(kManagerCaption, kWaitMs);
  ASSERT_NE(nullptr, manager);
  CWindowDriver::Click(manager, kClose);
  ASSERT_TRUE(driver->WaitUntilGone(manager, kWaitMs));
  last = WaitForLastEntry("DisConnected");
  EXPECT_TRUE(IsEntry(last, "DisConnected")) << last;
  EXPECT_EQ("", CWindowDriver::ItemText(main, kDeviceNameStatic));

  EXPECT_EQ(0, tool.Close(main));
}

TEST_F(ToolInSimulatorMode, WithoutTheEmulatorTheManagerWaitsAndNothingIsOpened) {
  StartTool();
  HWND manager = driver->WaitForWindow(kManagerCaption, kWaitMs);
  ASSERT_NE(nullptr, manager) << "no machine answers, so the manager must wait for the engineer";
  HWND list = CWindowDriver::VisibleList(manager);
  ASSERT_NE(nullptr, list);
  EXPECT_EQ((std::vector<Row>{{"Varnel HVX-40", "offline", "Varnel HVX-40"}}),
            driver->ListRows(list, 3));
  CWindowDriver::Click(manager, kClose);
  HWND main = WaitForMain();
  ASSERT_NE(nullptr, main);
  EXPECT_TRUE(LogLines().empty()) << "no Open MEK without a connection";
  EXPECT_EQ(0, tool.Close(main));
  EXPECT_FALSE(FileExists(WrittenLibraryPath()));
}
