#include "up_firm_dlg.h"

#include "../../resources/resource.h"
#include "install_box.h"

CUpFirmDlg::CUpFirmDlg() : CDialog(IDD_UP_FIRM), text_(kInstallWarningText) {
  FilterEnterAndEscape();
}

CUpFirmDlg::~CUpFirmDlg() {
  if (IsWindow() || OwnerDisabled()) DestroyWindow();
}

bool CUpFirmDlg::Create(CDialog& page) {
  owner_ = GetAncestor(page.Handle(), GA_ROOT);
  if (owner_ != nullptr && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = 1;
  }
  if (!CDialog::Create(page.Handle())) {
    EnableOwnerAgain();
    return false;
  }
  Show(true);
  return true;
}

void CUpFirmDlg::DestroyWindow() {
  EnableOwnerAgain();
  CDialog::DestroyWindow();
}

void CUpFirmDlg::EnableOwnerAgain() {
  if (ownerDisabled_ == 0) return;
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  ownerDisabled_ = 0;
}

bool CUpFirmDlg::OnInit() {
  CDialog::OnInit();
  progress_.Attach(Item(IDC_UPFIRM_PROGRESS));
  SetItemText(IDC_UPFIRM_TEXT, text_);
  // The warning is the box's only control that can hold the focus (Cancel is disabled).
  SetFocus(Item(IDC_UPFIRM_TEXT));
  ShowWarningUnselected();
  return false;
}

// The dialog selects an edit's whole text whenever the focus comes to it; the warning is to be
// read, not edited, so it shows neither a selection nor a caret.
bool CUpFirmDlg::OnCommand(int id, int code, HWND) {
  if (id != IDC_UPFIRM_TEXT || code != EN_SETFOCUS) return false;
  ShowWarningUnselected();
  return true;
}

void CUpFirmDlg::ShowWarningUnselected() {
  HWND warning = Item(IDC_UPFIRM_TEXT);
  if (warning == nullptr) return;
  SendMessageA(warning, EM_SETSEL, 0, 0);
  if (GetFocus() == warning) HideCaret(warning);
}
