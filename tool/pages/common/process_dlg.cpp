#include "process_dlg.h"

#include "../../../service/procedures/common/elapsed_text.h"
#include "../../resources/resource.h"

namespace {

const UINT_PTR kElapsedTimer = 1;
const UINT kElapsedPeriodMs = 1000;

}  // namespace

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

void CProcessDlg::SetCycleCount(int cycles) {
  cycles_ = cycles;
  ShowProgressLine();
}

void CProcessDlg::OnTimer(UINT_PTR id) {
  if (id == kElapsedTimer) ShowProgressLine();
}

void CProcessDlg::ShowProgressLine() {
  if (IsWindow()) SetItemText(IDC_PROCESS_ELAPSED, ProgressLine(GetTickCount() - startTick_, cycles_));
}

bool CProcessDlg::OnInit() {
  CDialog::OnInit();
  SetItemText(IDC_PROCESS_TEXT, text_);
  // The test's waits pump the box's messages, so its timer keeps the time up to date.
  startTick_ = GetTickCount();
  StartTimer(kElapsedTimer, kElapsedPeriodMs);
  ShowProgressLine();
  // The focus goes to Cancel, not to the text, which would otherwise come up all selected.
  SetFocus(Item(IDCANCEL));
  return false;
}

void CProcessDlg::OnCancel() {
  cancelRequest_ = 1;
  CDialog::OnCancel();
}
