#include "info_dlg.h"

#include "../../../service/procedures/info/parameter_clear.h"
#include "../../../service/procedures/info/parameter_transfer.h"
#include "../../../service/procedures/info/serial_write.h"
#include "../../../service/procedures/info/system_report.h"
#include "../../../service/wrapper/controller_holder.h"
#include "../../resources/resource.h"
#include "report_dlg.h"
#include "win32_file_boxes.h"

namespace {

// The viewer runs modally over the page, so the main window waits until it is closed.
class CModalReportViewer : public IReportViewer {
 public:
  CModalReportViewer(CDialog& page, ILogSink& log) : page_(page), log_(log) {}
  void Show(const std::string& text) override {
    CReportDlg viewer(text, log_);
    viewer.DoModal(page_.Handle());
  }

 private:
  CDialog& page_;
  ILogSink& log_;
};

}  // namespace

CInfoDlg::CInfoDlg(CLogWindow* log)
    : CDialog(IDD_INFO_PAGE),
      log_(log) {}

void CInfoDlg::DoDataExchange(CFieldExchange& fx) { fx.Text(IDC_INFO_SERIAL, serial_); }

bool CInfoDlg::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_INFO_REPORT_GET: OnReportGet(); return true;
    case IDC_INFO_PARAM_GET: OnParameterGet(); return true;
    case IDC_INFO_PARAM_PUT: OnParameterPut(); return true;
    case IDC_INFO_CLEAR_ALL: OnClearAll(); return true;
    case IDC_INFO_CLEAR_USER: OnClearUser(); return true;
    case IDC_INFO_SERIAL_WRITE: OnSerialWrite(); return true;
    default: return false;
  }
}

void CInfoDlg::OnReportGet() {
  CModalReportViewer viewer(*this, log_);
  CSystemReport report(CurrentController, boxes_, log_, viewer, LocalReportTime);
  report.Get();
}

void CInfoDlg::OnParameterGet() {
  CWin32FileBoxes fileBoxes(*this);
  CWin32PageFiles files;
  CWin32BusyCursor cursor;
  CParameterTransfer(CurrentController, fileBoxes, files, boxes_, log_, cursor).Get();
}

void CInfoDlg::OnParameterPut() {
  CWin32FileBoxes fileBoxes(*this);
  CWin32PageFiles files;
  CWin32BusyCursor cursor;
  CParameterTransfer(CurrentController, fileBoxes, files, boxes_, log_, cursor).Put();
}

void CInfoDlg::OnClearAll() { CParameterClear(CurrentController, boxes_, log_).ClearAll(); }

void CInfoDlg::OnClearUser() { CParameterClear(CurrentController, boxes_, log_).ClearUser(); }

void CInfoDlg::OnSerialWrite() {
  if (!UpdateData(true)) return;
  CSerialWrite(CurrentController, boxes_, log_).Write(serial_);
}
