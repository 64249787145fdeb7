#include "up_firm_dlg.h"

#include <commctrl.h>

#include "../../../service/seams/install_box.h"
#include "../../resources/resource.h"

namespace {

const UINT_PTR kWarningSubclass = 1;

// The warning is to be read, not edited: the dialog manager must not select its whole text when
// the focus comes to it (it is the box's only control that can take the focus, Cancel being
// disabled), and it shows no caret.
LRESULT CALLBACK ReadOnlyWarningProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(hwnd, message, wParam, lParam) & ~static_cast<LRESULT>(DLGC_HASSETSEL);
    case WM_SETFOCUS: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      DestroyCaret();
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, ReadOnlyWarningProc, kWarningSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

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
  if (HWND warning = Item(IDC_UPFIRM_TEXT))
    SetWindowSubclass(warning, ReadOnlyWarningProc, kWarningSubclass, 0);
  return true;
}
