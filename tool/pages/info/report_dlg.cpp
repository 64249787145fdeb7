#include "report_dlg.h"

#include "../../../service/procedures/info/report_file.h"
#include "../../resources/resource.h"
#include "win32_file_boxes.h"

CReportDlg::CReportDlg(const std::string& text, ILogSink& log)
    : CDialog(IDD_REPORT), text_(text), log_(log) {
  FilterEnterAndEscape();
}

bool CReportDlg::OnInit() {
  CDialog::OnInit();
  SetItemText(IDC_REPORT_TEXT, WithWindowsLineBreaks(text_));
  // The report opens at its first line with nothing selected, ready to scroll.
  SetFocus(Item(IDC_REPORT_TEXT));
  SendMessageA(Item(IDC_REPORT_TEXT), EM_SETSEL, 0, 0);
  return false;
}

bool CReportDlg::OnCommand(int id, int code, HWND /*control*/) {
  if (id != IDC_REPORT_SAVE || code != BN_CLICKED) return false;
  OnSave();
  return true;
}

// The viewer stays open whether the file was written or not.
void CReportDlg::OnSave() {
  CWin32FileBoxes boxes(*this);
  CWin32PageFiles files;
  SaveReportText(boxes, files, log_, text_);
}
