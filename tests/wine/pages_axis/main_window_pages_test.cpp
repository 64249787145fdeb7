// The Axis and Sub pages inside the real main window of HVX40MEK.exe in simulator mode: a load
// check and the manual compensation, driven through the program's windows.
#include <gtest/gtest.h>

#include "../driver/tool_session.h"
#include "../driver/window_driver.h"
#include "e2e/harness/emulator_process.h"
#include "hvx_version.h"
#include "../../../tool/resources/resource.h"

namespace {

const DWORD kWaitMs = 30000;
const std::string kMainCaption = HVX_MAIN_WINDOW_TITLE;

struct ChildSearch {
  int controlId;
  HWND found;
};

BOOL CALLBACK FindChildDialog(HWND hwnd, LPARAM param) {
  ChildSearch* search = reinterpret_cast<ChildSearch*>(param);
  if (GetDlgItem(hwnd, search->controlId) == nullptr) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The child dialog of the main window that holds the control (a page, or the log panel).
HWND ChildWith(HWND main, int controlId) {
  ChildSearch search{controlId, nullptr};
  EnumChildWindows(main, FindChildDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class PagesInMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(emulator.Start({"/motion-scale", "20"}));
    ASSERT_TRUE(tool.Start("/simulator"));
    driver.reset(new CWindowDriver(tool.process()));
    main = driver->WaitForWindow(kMainCaption, kWaitMs);
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    if (main != nullptr) tool.Close(main);
    emulator.Stop();
  }
  // Answers the box that shows the text with the button; false when none came.
  bool Answer(const std::string& text, int button) {
    HWND box = driver->WaitForBoxWithText(text, kWaitMs);
    if (box == nullptr) return false;
    CWindowDriver::Click(box, button);
    return driver->WaitUntilGone(box, kWaitMs);
  }
  std::string LogPanel() { return CWindowDriver::ItemText(ChildWith(main, IDC_LOG_TEXT), IDC_LOG_TEXT); }

  CEmulatorProcess emulator;
  CToolSession tool;
  std::unique_ptr<CWindowDriver> driver;
  HWND main = nullptr;
};

TEST_F(PagesInMainWindow, ALoadCheckFromTheAxisTabSucceedsAndIsLogged) {
  HWND axis = ChildWith(main, IDC_AXIS_LOAD_START);
  ASSERT_NE(axis, nullptr);
  SendMessageA(GetDlgItem(axis, IDC_AXIS_AXIS_LIST), CB_SETCURSEL, 1, 0);     // "Y"
  SendMessageA(GetDlgItem(axis, IDC_AXIS_CURRENT_LIST), CB_SETCURSEL, 2, 0);  // "100%"
  CWindowDriver::Click(axis, IDC_AXIS_LOAD_START);
  ASSERT_TRUE(Answer("Remove the following parts.\n1) tool installed in spindle\n2) Any piece of "
                     "cutting material\n*If those parts are not removed, spindle may hit the "
                     "parts*",
                     IDYES));
  ASSERT_TRUE(Answer("Success to load.", IDOK));
  EXPECT_NE(LogPanel().find("LoadChecked Y\r\n"), std::string::npos) << LogPanel();
  EXPECT_EQ(emulator.Dump()["y"], "152400");
}

TEST_F(PagesInMainWindow, ManualCompensationIsReadAndSetFromTheSubTab) {
  HWND sub = ChildWith(main, IDC_SUB_SET);
  ASSERT_NE(sub, nullptr);
  PostMessageA(GetDlgItem(sub, IDC_SUB_MANUAL), BM_CLICK, 0, 0);
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(50))
    if (IsWindowEnabled(GetDlgItem(sub, IDC_SUB_SET))) break;
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(sub, IDC_SUB_SET)));
  SendMessageA(GetDlgItem(sub, IDC_SUB_Z_PERCENT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("100.5"));
  CWindowDriver::Click(sub, IDC_SUB_SET);
  std::string stored;
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100))
    if ((stored = emulator.Dump()["user_compensation"]) == "0,0,5000") break;
  EXPECT_EQ(stored, "0,0,5000");
  EXPECT_NE(LogPanel().find("Set user compensation\r\n"), std::string::npos) << LogPanel();
}

}  // namespace
