// Every dialog template of the tool, created from the resources linked into this program:
// captions, control ids, texts, hidden controls and initial combo lists; a screenshot of each
// lands in build/<tree>/screenshots.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "expected_templates.h"
#include "resources/resource.h"
#include "../driver/screen_capture.h"
#include "ui/dialog/controls.h"
#include "ui/dialog/dialog.h"

namespace {

class CProbe : public CDialog {
 public:
  explicit CProbe(int id) : CDialog(id) {}
};

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool SameClass(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A plain top-level window to hold a child page while it is looked at.
HWND CreateHost(const char* title) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "HvxTestHost";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowExA(0, "HvxTestHost", title, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200,
                         200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void FitHostTo(HWND host, HWND page) {
  RECT rect;
  GetWindowRect(page, &rect);
  RECT frame = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
  AdjustWindowRect(&frame, WS_POPUP | WS_CAPTION, FALSE);
  SetWindowPos(host, HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top, 0);
}

void Settle() {
  MSG msg;
  for (int round = 0; round < 5; ++round) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(30);
  }
}

std::vector<std::string> ChildTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char text[256] = "";
    GetWindowTextA(child, text, sizeof text);
    texts.push_back(text);
  }
  return texts;
}

std::vector<std::string> ComboItems(HWND combo) {
  CComboBox box(combo);
  std::vector<std::string> items;
  for (int i = 0; i < box.Count(); ++i) items.push_back(box.ItemText(i));
  return items;
}

void CheckControls(const CDialog& dialog, const ExpectedTemplate& expected) {
  for (const ExpectedControl& control : expected.controls) {
    SCOPED_TRACE("control " + std::to_string(control.id));
    HWND item = dialog.Item(control.id);
    ASSERT_NE(nullptr, item);
    if (control.className) {
      EXPECT_PRED2(SameClass, control.className, ClassOf(item));
    }
    if (control.text) {
      EXPECT_EQ(control.text, dialog.ItemText(control.id));
    }
    const bool visible = (GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE) != 0;
    EXPECT_EQ(control.visible, visible);
  }
}

TEST(DialogTemplates, EachCarriesItsCaptionControlsAndTexts) {
  const std::string folder = ScreenshotFolder();
  for (const ExpectedTemplate& expected : ExpectedTemplates()) {
    SCOPED_TRACE(expected.name);
    HWND host = expected.child ? CreateHost(expected.name) : nullptr;
    CProbe dialog(expected.id);
    ASSERT_TRUE(dialog.Create(host));
    const bool isChild = (GetWindowLongA(dialog.Handle(), GWL_STYLE) & WS_CHILD) != 0;
    EXPECT_EQ(expected.child, isChild);
    // Tab walks into a child page (and the log panel) and out again only through a control
    // parent; and no text carries an access key, which without Alt would fire on the letters of
    // the jog key chords.
    if (expected.child) {
      EXPECT_NE(0, GetWindowLongA(dialog.Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    }
    for (const std::string& text : ChildTexts(dialog.Handle())) {
      EXPECT_EQ(std::string::npos, text.find('&')) << text;
    }
    if (expected.caption) {
      EXPECT_EQ(expected.caption, dialog.Caption());
    }
    CheckControls(dialog, expected);

    if (host) FitHostTo(host, dialog.Handle());
    SetWindowPos(host ? host : dialog.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    dialog.Show(true);
    Settle();
    EXPECT_TRUE(SaveWindowPicture(host ? host : dialog.Handle(),
                                  folder + "\\" + expected.name + ".bmp"));
    dialog.DestroyWindow();
    if (host) DestroyWindow(host);
  }
}

TEST(DialogTemplates, AxisPageStartsWithItsInitialLists) {
  HWND host = CreateHost("axis");
  CProbe page(IDD_AXIS_PAGE);
  ASSERT_TRUE(page.Create(host));
  EXPECT_EQ((std::vector<std::string>{"X", "Y", "Z"}), ComboItems(page.Item(IDC_AXIS_AXIS_LIST)));
  EXPECT_EQ((std::vector<std::string>{"50%", "80%", "100%"}),
            ComboItems(page.Item(IDC_AXIS_CURRENT_LIST)));
  EXPECT_EQ(-1, CComboBox(page.Item(IDC_AXIS_AXIS_LIST)).Selection());
  // Both lists take typed text as well as a choice.
  const LONG style = GetWindowLongA(page.Item(IDC_AXIS_CURRENT_LIST), GWL_STYLE);
  EXPECT_EQ(CBS_DROPDOWN, style & 3);
  DestroyWindow(host);
}

TEST(DialogTemplates, TextBoxesAreReadOnlyWhereTheToolOnlyShowsText) {
  struct Field { int dialog; int id; bool multiline; };
  for (const Field field : {Field{IDD_REPORT, IDC_REPORT_TEXT, true},
                            Field{IDD_PROCESS, IDC_PROCESS_TEXT, true},
                            Field{IDD_UP_FIRM, IDC_UPFIRM_TEXT, true},
                            Field{IDD_SENSOR_CHECK, IDC_SENSOR_REPORT, true},
                            Field{IDD_HVX40MEK_DIALOG, IDC_MAIN_STATUS, false}}) {
    SCOPED_TRACE(field.id);
    HWND host = CreateHost("fields");
    CProbe dialog(field.dialog);
    ASSERT_TRUE(dialog.Create(host));
    const LONG style = GetWindowLongA(dialog.Item(field.id), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_EQ(field.multiline, (style & ES_MULTILINE) != 0);
    dialog.DestroyWindow();
    DestroyWindow(host);
  }
}

TEST(DialogTemplates, CloseBoxesAndCancelButtonsMatchWhatEachBoxAllows) {
  HWND host = CreateHost("owner");
  CProbe install(IDD_UP_FIRM);
  ASSERT_TRUE(install.Create(host));
  EXPECT_FALSE(GetWindowLongA(install.Handle(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_FALSE(install.IsItemEnabled(IDCANCEL));
  CProbe progress(IDD_PROCESS);
  ASSERT_TRUE(progress.Create(host));
  EXPECT_TRUE(GetWindowLongA(progress.Handle(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_TRUE(progress.IsItemEnabled(IDCANCEL));
  CProbe calibration(IDD_AUTO_CALIB);
  ASSERT_TRUE(calibration.Create(host));
  EXPECT_FALSE(calibration.IsItemEnabled(IDOK));
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(calibration.Item(IDOK), GWL_STYLE) & 0xF);
  CProbe report(IDD_REPORT);
  ASSERT_TRUE(report.Create(host));
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(report.Item(IDC_REPORT_SAVE), GWL_STYLE) & 0xF);
  DestroyWindow(host);
}

// The main window as the tool assembles it: pages 300 px right and 220 px down, the log panel
// 315 px down. The log panel's template is taller than the room left below 315 px with common
// fonts, so its text box ends early enough to stay inside the window.
TEST(DialogTemplates, AssembledMainWindowFitsItsPagesAndLog) {
  CProbe main(IDD_HVX40MEK_DIALOG);
  ASSERT_TRUE(main.Create(nullptr));
  std::vector<std::unique_ptr<CProbe>> pages;
  for (int id : {IDD_INFO_PAGE, IDD_AXIS_PAGE, IDD_OUTPUT_PAGE, IDD_SUB_PAGE}) {
    pages.push_back(std::make_unique<CProbe>(id));
    ASSERT_TRUE(pages.back()->Create(main.Handle()));
    RECT rect;
    GetClientRect(pages.front()->Handle(), &rect);
    OffsetRect(&rect, 300, 220);
    MoveWindow(pages.back()->Handle(), rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, FALSE);
  }
  CTabControl tabs(main.Item(IDC_MAIN_TAB));
  int position = 0;
  for (const char* name : {"Info", "Axis", "Output", "Sub"}) EXPECT_TRUE(tabs.InsertTab(position++, name));
  pages.front()->Show(true);
  CProbe log(IDD_LOG);
  ASSERT_TRUE(log.Create(main.Handle()));
  RECT logRect;
  GetClientRect(log.Handle(), &logRect);
  MoveWindow(log.Handle(), 0, 315, logRect.right, logRect.bottom, FALSE);

  RECT client, pageRect, tabRect;
  GetClientRect(main.Handle(), &client);
  GetWindowRect(pages.front()->Handle(), &pageRect);
  GetWindowRect(tabs.Handle(), &tabRect);
  MapWindowPoints(nullptr, main.Handle(), reinterpret_cast<POINT*>(&pageRect), 2);
  MapWindowPoints(nullptr, main.Handle(), reinterpret_cast<POINT*>(&tabRect), 2);
  EXPECT_LE(pageRect.right, client.right);
  EXPECT_LE(pageRect.bottom, client.bottom);
  RECT logText;
  GetWindowRect(log.Item(IDC_LOG_TEXT), &logText);
  MapWindowPoints(nullptr, main.Handle(), reinterpret_cast<POINT*>(&logText), 2);
  EXPECT_LE(logText.bottom, client.bottom);
  EXPECT_LE(logRect.right, tabRect.left);

  SetWindowPos(main.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
  main.Show(true);
  Settle();
  EXPECT_TRUE(SaveWindowPicture(main.Handle(), ScreenshotFolder() + "\\102_main_assembled.bmp"));
  for (auto& page : pages) page->DestroyWindow();
  log.DestroyWindow();
  main.DestroyWindow();
}

}  // namespace
