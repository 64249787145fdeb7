#include "log_dlg.h"

#include "../resources/resource.h"

CLogDlg::CLogDlg() : CDialog(IDD_LOG) {}

void CLogDlg::ShowText(const std::string& text) { SetItemText(IDC_LOG_TEXT, text); }
