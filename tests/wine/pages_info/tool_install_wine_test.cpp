// The firmware installation in HVX40MEK.exe itself, in simulator mode beside the emulator: the
// main window is disabled while the installation box is up, yet answers throughout, and a close
// request meanwhile does not end the tool; a success leaves the tool connected; a refused image
// leaves it without a wrapper, the main window brings up the device manager by itself, a new
// connection works, and the library file is removed when the tool ends.
#include <algorithm>
#include <functional>
#include <set>

#include "main_window_fixture.h"

namespace {

const int kFileNameComboId = 0x47C;
const int kDeviceManagerConnect = 1058;
const int kDeviceManagerOk = 1013;

struct FileBoxSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchFileBox(HWND window, LPARAM param) {
  FileBoxSearch* search = reinterpret_cast<FileBoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (GetDlgItem(window, kFileNameComboId) == nullptr) return TRUE;
  search->found = window;
  return FALSE;
}

class ToolFirmwareInstall : public MainWindowTest {
 protected:
  static std::string TemporaryFile(const std::string& name, const std::string& content) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

  HWND WaitForFileBox() const {
    FileBoxSearch search{GetProcessId(tool_.process()), nullptr};
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(50)) {
      EnumWindows(MatchFileBox, reinterpret_cast<LPARAM>(&search));
      if (search.found != nullptr) break;
    }
    return search.found;
  }

  // Chooses the firmware file with "..." and starts the installation; the text of the box that
  // ends it, which is then closed. `meanwhile` runs between the looks for that box.
  std::string Install(const std::string& path, bool* mainDisabledMeanwhile,
                      const std::function<void()>& meanwhile = nullptr) {
    HWND page = FindPage(main_, "Upgrade Firmware");
    if (page == nullptr) return "(no Output page)";
    SelectTab(GetDlgItem(main_, IDC_MAIN_TAB), 2);
    PostButtonClick(page, IDC_OUTPUT_BROWSE_FIRMWARE);
    HWND fileBox = WaitForFileBox();
    if (fileBox == nullptr) return "(no file box)";
    SetDlgItemTextA(fileBox, kFileNameComboId, path.c_str());
    PostMessageA(fileBox, WM_COMMAND, IDOK, 0);
    if (WaitForItemText(page, IDC_OUTPUT_FIRMWARE_PATH, path, kWaitMs) != path) {
      return "(the path was not taken)";
    }
    PostButtonClick(page, IDC_OUTPUT_UPGRADE);
    HWND installing = driver_->WaitForWindow("Now Installing...", kWaitMs);
    if (installing == nullptr) return "(no installation box)";
    *mainDisabledMeanwhile = !IsWindowEnabled(main_);
    HWND box = nullptr;
    for (DWORD start = GetTickCount(); box == nullptr && GetTickCount() - start < 30000;) {
      if (meanwhile) meanwhile();
      for (const char* ending : {"Success to update.\nPlease restart HVX-40.",
                                 "Failed to update.\nPlease restart HVX-40."}) {
        if ((box = driver_->WaitForBoxWithText(ending, 200)) != nullptr) {
          PostMessageA(box, WM_COMMAND, IDOK, 0);
          driver_->WaitUntilGone(box, kWaitMs);
          return ending;
        }
      }
    }
    return "(no ending box)";
  }
};

TEST_F(ToolFirmwareInstall, ASuccessKeepsTheToolConnected) {
  StartTool({"/update-ms", "1500"});
  bool disabled = false;
  EXPECT_EQ(Install(TemporaryFile("hvx_tool_fw.rfw", "HVX40 FIRMWARE 0103"), &disabled),
            "Success to update.\nPlease restart HVX-40.");
  EXPECT_TRUE(disabled);
  EXPECT_EQ(WaitForField(IDC_MAIN_STATUS, "UpdateMode: UpdateFinish"), "UpdateMode: UpdateFinish");
  EXPECT_TRUE(IsWindowEnabled(main_));
  EXPECT_EQ(driver_->FindWindowByCaption("Device Manager"), nullptr);
  EXPECT_EQ(0, CloseTool());
  EXPECT_FALSE(FileExists(WrittenLibraryPath()));
}

TEST_F(ToolFirmwareInstall, AFailureBringsUpTheDeviceManagerWhichConnectsAgain) {
  StartTool({"/update-ms", "1500"});
  bool disabled = false;
  EXPECT_EQ(Install(TemporaryFile("hvx_tool_bad.rfw", "BADFIRM"), &disabled),
            "Failed to update.\nPlease restart HVX-40.");
  HWND manager = driver_->WaitForWindow("Device Manager", kWaitMs);
  ASSERT_NE(manager, nullptr) << "the main window did not bring up the device manager";
  TakeScreenshot("device-manager-after-failed-install");
  CWindowDriver::Click(manager, kDeviceManagerConnect);
  Sleep(500);
  CWindowDriver::Click(manager, kDeviceManagerOk);
  ASSERT_TRUE(driver_->WaitUntilGone(manager, kWaitMs));
  EXPECT_EQ(WaitForField(IDC_MAIN_STATUS, "Ready"), "Ready");
  EXPECT_EQ(WaitForLogCount("Connected", 1), 1u);
  EXPECT_EQ(0, CloseTool());
  EXPECT_FALSE(FileExists(WrittenLibraryPath())) << "a library of the failed installation remains";
}

// The installation's waits dispatch the window messages: the main window answers within a
// second throughout, its status stays as it was (the tick leaves the machine to the
// installation), and a close request meanwhile is refused, so the installation runs to its end.
TEST_F(ToolFirmwareInstall, TheMainWindowAnswersThroughoutAndACloseRequestDoesNotEndIt) {
  StartTool({"/update-ms", "8000"});
  DWORD slowest = 0;
  int unanswered = 0;
  std::set<std::string> statuses;
  bool closeAsked = false;
  auto ping = [&] {
    const DWORD sent = GetTickCount();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result)) ++unanswered;
    slowest = std::max(slowest, GetTickCount() - sent);
    statuses.insert(Field(IDC_MAIN_STATUS));
    if (!closeAsked) {
      closeAsked = PostMessageA(main_, WM_CLOSE, 0, 0) != FALSE;
      TakeScreenshot("installation-after-close-request");
    }
  };
  bool disabled = false;
  EXPECT_EQ(Install(TemporaryFile("hvx_tool_slow.rfw", "HVX40 FIRMWARE 0103"), &disabled, ping),
            "Success to update.\nPlease restart HVX-40.");
  EXPECT_TRUE(disabled);
  EXPECT_EQ(0, unanswered);
  EXPECT_LT(slowest, 1000u);
  EXPECT_EQ(statuses, std::set<std::string>{"Ready"});
  EXPECT_TRUE(closeAsked);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(tool_.process(), 2000))
      << "the close request ended the tool";
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_EQ(driver_->FindWindowByCaption("Device Manager"), nullptr);
  EXPECT_EQ(WaitForField(IDC_MAIN_STATUS, "UpdateMode: UpdateFinish"), "UpdateMode: UpdateFinish");
  EXPECT_EQ(0, CloseTool());
}

}  // namespace
