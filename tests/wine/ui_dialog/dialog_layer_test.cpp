// The dialog layer under the real window system: modal runs and their ends, dispatch to the
// handlers, field validation with the engineer's messages, the key filter, the message pump,
// exceptions at the boundary, the standard boxes and the control wrappers.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "box_answerer.h"
#include "resources/resource.h"
#include "ui/dialog/controls.h"
#include "ui/dialog/dialog.h"
#include "ui/dialog/message_box.h"
#include "ui/dialog/message_pump.h"

namespace {

const char kProgram[] = "ui_dialog_wine_test";

// A dialog whose handlers are set by each test.
class CHookedDialog : public CDialog {
 public:
  explicit CHookedDialog(int id) : CDialog(id) {}
  std::function<void(CHookedDialog&)> init;
  std::function<bool(int, int)> command;
  std::function<void(UINT_PTR)> timer;
  std::function<void(CFieldExchange&)> exchange;
  int cancels = 0;
  int oks = 0;
  bool keepOpenOnClose = false;
  void FilterKeys() { FilterEnterAndEscape(); }

 protected:
  bool OnInit() override {
    CDialog::OnInit();
    if (init) init(*this);
    return true;
  }
  bool OnCommand(int id, int code, HWND) override { return command && command(id, code); }
  void OnTimer(UINT_PTR id) override {
    if (timer) timer(id);
  }
  bool OnClose() override { return keepOpenOnClose; }
  void OnOK() override {
    ++oks;
    CDialog::OnOK();
  }
  void OnCancel() override {
    ++cancels;
    CDialog::OnCancel();
  }
  void DoDataExchange(CFieldExchange& fx) override {
    if (exchange) exchange(fx);
  }
};

HWND CreateOwner() {
  return CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

void PostCommand(HWND hwnd, int id) { PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST(ModalDialog, RunsUntilEndDialogWithItsOwnerDisabledMeanwhile) {
  HWND owner = CreateOwner();
  CHookedDialog box(IDD_REPORT);
  UINT_PTR seenTimer = 0;
  bool ownerEnabledDuring = true;
  box.init = [](CHookedDialog& self) { self.StartTimer(7, 20); };
  box.timer = [&](UINT_PTR id) {
    seenTimer = id;
    ownerEnabledDuring = IsWindowEnabled(owner) != FALSE;
    box.StopTimer(id);
    box.EndDialog(42);
  };
  EXPECT_EQ(42, box.DoModal(owner));
  EXPECT_EQ(7u, seenTimer);
  EXPECT_FALSE(ownerEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(nullptr, box.Handle());
  DestroyWindow(owner);
}

TEST(ModalDialog, EndingDuringInitialisationReturnsWithoutWaiting) {
  HWND owner = CreateOwner();
  CHookedDialog box(IDD_DEVICE_MANAGER);
  box.init = [](CHookedDialog& self) { self.EndDialog(IDOK); };
  EXPECT_EQ(IDOK, box.DoModal(owner));
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST(ModalDialog, CommandsReachTheirHandlersAndCancelEndsTheRun) {
  CHookedDialog box(IDD_REPORT);
  std::vector<int> commands;
  box.init = [](CHookedDialog& self) {
    PostCommand(self.Handle(), IDC_REPORT_SAVE);
    PostCommand(self.Handle(), IDCANCEL);
  };
  box.command = [&](int id, int code) {
    if (code != BN_CLICKED) return false;  // the edit's focus notices
    commands.push_back(id);
    return true;
  };
  EXPECT_EQ(IDCANCEL, box.DoModal(nullptr));
  EXPECT_EQ(std::vector<int>{IDC_REPORT_SAVE}, commands);  // IDCANCEL went to OnCancel
  EXPECT_EQ(1, box.cancels);
}

TEST(ModalDialog, TheCloseBoxCancelsUnlessTheDialogKeepsItOpen) {
  CHookedDialog box(IDD_REPORT);
  box.keepOpenOnClose = true;
  box.init = [](CHookedDialog& self) {
    PostMessageA(self.Handle(), WM_CLOSE, 0, 0);
    PostCommand(self.Handle(), IDOK);
  };
  EXPECT_EQ(IDOK, box.DoModal(nullptr));
  EXPECT_EQ(0, box.cancels);

  CHookedDialog plain(IDD_REPORT);
  plain.init = [](CHookedDialog& self) { PostMessageA(self.Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(IDCANCEL, plain.DoModal(nullptr));
  EXPECT_EQ(1, plain.cancels);
}

TEST(FieldValidation, InitialisationShowsTheMembersAsNumbers) {
  double x = 100.0, y = 99.80;
  CHookedDialog box(IDD_AUTO_CALIB);
  box.exchange = [&](CFieldExchange& fx) {
    fx.Number(IDC_CALIB_X_LENGTH, x, 99.5, 100.5);
    fx.Number(IDC_CALIB_Y_LENGTH, y, 99.5, 100.5);
  };
  std::string shownX, shownY;
  box.init = [&](CHookedDialog& self) {
    shownX = self.ItemText(IDC_CALIB_X_LENGTH);
    shownY = self.ItemText(IDC_CALIB_Y_LENGTH);
    self.EndDialog(IDCANCEL);
  };
  box.DoModal(nullptr);
  EXPECT_EQ("100", shownX);
  EXPECT_EQ("99.8", shownY);
}

// OK with a refused field tells the engineer why and keeps the box open.
void ExpectRefusedOk(const char* typed, const char* message, double expectedHeld) {
  SCOPED_TRACE(typed);
  double x = 100.0, y = 100.0;
  CHookedDialog box(IDD_AUTO_CALIB);
  box.exchange = [&](CFieldExchange& fx) {
    fx.Number(IDC_CALIB_X_LENGTH, x, 99.5, 100.5);
    fx.Number(IDC_CALIB_Y_LENGTH, y, 99.5, 100.5);
  };
  HWND focusAfterRefusal = nullptr;
  box.init = [&](CHookedDialog& self) {
    self.SetItemText(IDC_CALIB_X_LENGTH, typed);
    self.SetItemText(IDC_CALIB_Y_LENGTH, "100.2");
    PostCommand(self.Handle(), IDOK);
    PostCommand(self.Handle(), IDC_CALIB_SET);
  };
  box.command = [&](int id, int code) {
    if (code != BN_CLICKED) return false;
    focusAfterRefusal = GetFocus();
    box.EndDialog(id);
    return true;
  };
  CBoxAnswerer answer(IDOK);
  EXPECT_EQ(IDC_CALIB_SET, box.DoModal(nullptr));
  ASSERT_TRUE(answer.Join());
  EXPECT_EQ(message, answer.text);
  EXPECT_EQ(kProgram, answer.caption);
  EXPECT_DOUBLE_EQ(expectedHeld, x);
  EXPECT_DOUBLE_EQ(100.0, y);  // the transfer stopped at the refused field
  EXPECT_EQ(1, box.oks);
  EXPECT_NE(nullptr, focusAfterRefusal);
}

TEST(FieldValidation, OkRefusesNonNumbersAndNumbersOutOfRange) {
  ExpectRefusedOk("abc", "Please enter a number.", 100.0);
  ExpectRefusedOk("99.4", "Please enter a number between 99.5 and 100.5.", 99.4);
}

TEST(FieldValidation, OkWithValidFieldsStoresThemAndEnds) {
  double x = 100.0;
  CHookedDialog box(IDD_AUTO_CALIB);
  box.exchange = [&](CFieldExchange& fx) { fx.Number(IDC_CALIB_X_LENGTH, x, 99.5, 100.5); };
  box.init = [](CHookedDialog& self) {
    self.SetItemText(IDC_CALIB_X_LENGTH, "100.5");
    PostCommand(self.Handle(), IDOK);
  };
  EXPECT_EQ(IDOK, box.DoModal(nullptr));
  EXPECT_DOUBLE_EQ(100.5, x);
}

TEST(ModelessDialog, EndingHidesTheBoxWhichLivesOnUntilDestroyed) {
  CHookedDialog box(IDD_PROCESS);
  ASSERT_TRUE(box.Create(nullptr));
  EXPECT_TRUE(IsWindowVisible(box.Handle()));
  SendMessageA(box.Handle(), WM_CLOSE, 0, 0);
  PumpMessages(box);  // the close box arrives as a posted Cancel
  EXPECT_EQ(1, box.cancels);
  EXPECT_TRUE(box.IsWindow());
  EXPECT_FALSE(IsWindowVisible(box.Handle()));
  EXPECT_EQ(&box, CDialog::FromHandle(box.Handle()));
  box.DestroyWindow();
  EXPECT_FALSE(box.IsWindow());
  EXPECT_EQ(nullptr, box.Handle());
}

TEST(ModelessDialog, DestructionTakesTheWindowAlong) {
  HWND hwnd = nullptr;
  {
    CHookedDialog box(IDD_PROCESS);
    ASSERT_TRUE(box.Create(nullptr));
    hwnd = box.Handle();
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

void PressKeyOnBox(CHookedDialog& box, WPARAM key) {
  HWND cancel = box.Item(IDCANCEL);
  SetFocus(cancel);
  PostMessageA(cancel, WM_KEYDOWN, key, 1);
  PostMessageA(cancel, WM_KEYUP, key, 0xC0000001);
  PumpMessages(box);
}

TEST(KeyFilter, EnterAndEscapeCannotCloseAFilteredBox) {
  CHookedDialog filtered(IDD_PROCESS);
  filtered.FilterKeys();
  ASSERT_TRUE(filtered.Create(nullptr));
  PressKeyOnBox(filtered, VK_ESCAPE);
  PressKeyOnBox(filtered, VK_RETURN);
  EXPECT_EQ(0, filtered.cancels);
  EXPECT_TRUE(IsWindowVisible(filtered.Handle()));

  CHookedDialog open(IDD_PROCESS);
  ASSERT_TRUE(open.Create(nullptr));
  PressKeyOnBox(open, VK_ESCAPE);
  EXPECT_EQ(1, open.cancels);
}

TEST(MessagePump, DispatchesWhatIsWaitingForOtherWindowsToo) {
  CHookedDialog box(IDD_PROCESS);
  CHookedDialog other(IDD_SENSOR_CHECK);
  ASSERT_TRUE(box.Create(nullptr));
  ASSERT_TRUE(other.Create(nullptr));
  std::vector<int> seen;
  other.command = [&](int id, int) {
    seen.push_back(id);
    return true;
  };
  PostCommand(other.Handle(), IDC_SENSOR_REPORT);
  PostCommand(other.Handle(), IDC_SENSOR_X_CHECKED);
  PumpMessages(box);
  EXPECT_EQ((std::vector<int>{IDC_SENSOR_REPORT, IDC_SENSOR_X_CHECKED}), seen);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
}

TEST(MessagePump, StopsOnceTheBoxIsGoneAndHandsAQuitBack) {
  CHookedDialog box(IDD_PROCESS);
  ASSERT_TRUE(box.Create(nullptr));
  box.command = [&](int, int) {
    box.DestroyWindow();
    return true;
  };
  PostCommand(box.Handle(), IDC_PROCESS_TEXT);
  HWND owner = CreateOwner();
  PostMessageA(owner, WM_USER + 5, 0, 0);
  PumpMessages(box);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, owner, WM_USER + 5, WM_USER + 5, PM_REMOVE));

  CHookedDialog second(IDD_PROCESS);
  ASSERT_TRUE(second.Create(nullptr));
  PostQuitMessage(5);
  PumpMessages(second);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(5u, msg.wParam);
  DestroyWindow(owner);
}

TEST(HandlerFailures, StayInsideTheDialogProcedure) {
  CHookedDialog box(IDD_PROCESS);
  ASSERT_TRUE(box.Create(nullptr));
  int calls = 0;
  box.command = [&](int, int) -> bool {
    ++calls;
    throw std::runtime_error("handler failed");
  };
  SendMessageA(box.Handle(), WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0);
  SendMessageA(box.Handle(), WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);
  EXPECT_EQ(2, calls);
  EXPECT_TRUE(box.IsWindow());
  EXPECT_EQ(&box, CDialog::FromHandle(box.Handle()));
}

TEST(MessageBoxes, CarryTheTextTheProgramNameAndTheAnswer) {
  {
    CBoxAnswerer answer(IDOK);
    ShowInformation("Success to load.");
    ASSERT_TRUE(answer.Join());
    EXPECT_EQ("Success to load.", answer.text);
    EXPECT_EQ(kProgram, answer.caption);
  }
  {
    CBoxAnswerer answer(IDYES);
    EXPECT_TRUE(AskYesNo("Do you really want to clear all parameter?", BoxIcon::kInformation));
    ASSERT_TRUE(answer.Join());
    EXPECT_EQ("Do you really want to clear all parameter?", answer.text);
  }
  {
    CBoxAnswerer answer(IDNO);
    EXPECT_FALSE(AskYesNo("a tool and workpiece are readyfor cutting?"));
    ASSERT_TRUE(answer.Join());
  }
  {
    CBoxAnswerer answer(IDOK);
    CMessageBoxNotice notice;
    notice.FileError("C:\\nowhere\\cutdata.prn", FileFault::kNotFound);
    ASSERT_TRUE(answer.Join());
    EXPECT_EQ("C:\\nowhere\\cutdata.prn was not found.", answer.text);
  }
}

TEST(Controls, ListViewSortsRowsAndGivesBackLongTexts) {
  CHookedDialog box(IDD_DEVICE_MANAGER);
  ASSERT_TRUE(box.Create(nullptr));
  CListView list(box.Item(IDC_DEVMGR_LIST));
  SetWindowLongA(list.Handle(), GWL_STYLE, GetWindowLongA(list.Handle(), GWL_STYLE) | LVS_SORTASCENDING);
  EXPECT_TRUE(list.InsertColumn(0, "PrinterName", 140));
  EXPECT_TRUE(list.InsertColumn(1, "Status", 140));
  EXPECT_EQ(0, list.InsertItem(0, "Varnel HVX-40 (2)"));
  EXPECT_EQ(0, list.InsertItem(1, "Varnel HVX-40"));
  const std::string longName(200, 'z');
  EXPECT_EQ(2, list.InsertItem(2, longName));
  EXPECT_TRUE(list.SetItemText(1, 1, "ready"));
  EXPECT_EQ(3, list.Count());
  EXPECT_EQ("Varnel HVX-40", list.ItemText(0, 0));
  EXPECT_EQ("ready", list.ItemText(1, 1));
  EXPECT_EQ(longName, list.ItemText(2, 0));
  list.SetSelectionMark(1);
  EXPECT_EQ(1, list.SelectionMark());
  EXPECT_TRUE(list.Clear());
  EXPECT_EQ(0, list.Count());
}

TEST(Controls, ComboAndProgressKeepWhatTheyAreGiven) {
  HWND owner = CreateOwner();
  CHookedDialog page(IDD_AXIS_PAGE);
  ASSERT_TRUE(page.Create(owner));
  CComboBox current(page.Item(IDC_AXIS_CURRENT_LIST));
  current.Clear();
  EXPECT_EQ(0, current.Count());
  EXPECT_EQ(0, current.AddString("50%"));
  EXPECT_EQ(1, current.AddString("70%"));
  current.Select(1);
  EXPECT_EQ(1, current.Selection());
  EXPECT_EQ("70%", current.ItemText(1));
  EXPECT_EQ("", current.ItemText(5));

  CHookedDialog install(IDD_UP_FIRM);
  ASSERT_TRUE(install.Create(owner));
  CProgressBar bar(install.Item(IDC_UPFIRM_PROGRESS));
  bar.SetRange(0, 100);
  bar.SetPosition(25);
  EXPECT_EQ(25, bar.Position());
  bar.SetPosition(115);
  EXPECT_EQ(100, bar.Position());
  DestroyWindow(owner);
}

}  // namespace
