#include "process_dlg.h"

#include "../../resources/resource.h"

CProcessDlg::CProcessDlg() : CDialog(IDD_PROCESS) {
  // Enter and Escape would otherwise cancel the test by accident.
  FilterEnterAndEscape();
}

bool CProcessDlg::Create(const std::string& text, CDialog& page) {
  text_ = text;
  return CDialog::Create(page.Handle());
}

bool CProcessDlg::TakeCancelRequest() {
  const bool requested = cancelRequest_ != 0;
  cancelRequest_ = 0;
  return requested;
}

bool CProcessDlg::OnInit() {
  CDialog::OnInit();
  SetItemText(IDC_PROCESS_TEXT, text_);
  // The focus goes to Cancel, not to the text, which would otherwise come up all selected.
  SetFocus(Item(IDCANCEL));
  return false;
}

void CProcessDlg::OnCancel() {
  cancelRequest_ = 1;
  CDialog::OnCancel();
}
