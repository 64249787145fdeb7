#include "auto_calib_dlg.h"

#include "../../../service/wrapper/controller_holder.h"
#include "../../app/win32_platform.h"
#include "../../resources/resource.h"

namespace {

const double kMinLength = 99.5;
const double kMaxLength = 100.5;

}  // namespace

CAutoCalibDlg::CAutoCalibDlg(CLogWindow* log)
    : CDialog(IDD_AUTO_CALIB),
      machine_([] { return CurrentController(); }),
      log_(log),
      calibration_(machine_, boxes_, log_, Win32ToolPlatform().files, Win32ToolPlatform().notice,
                   cutData_) {}

bool CAutoCalibDlg::OnInit() {
  CDialog::OnInit();
  if (!calibration_.Open(lengths_)) {
    // Without the machine's values there is nothing to restore, and a test cut would be made
    // with the compensation in force: the box goes as it came.
    EndDialog(IDCANCEL);
    return true;
  }
  UpdateData(false);
  return true;
}

bool CAutoCalibDlg::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_CALIB_OUTPUT_X: calibration_.Output(CAutoCalibration::kCutX); return true;
    case IDC_CALIB_OUTPUT_Y: calibration_.Output(CAutoCalibration::kCutY); return true;
    case IDC_CALIB_SET: OnSet(); return true;
    default: return false;
  }
}

void CAutoCalibDlg::DoDataExchange(CFieldExchange& fx) {
  fx.Number(IDC_CALIB_X_LENGTH, lengths_.x, kMinLength, kMaxLength);
  fx.Number(IDC_CALIB_Y_LENGTH, lengths_.y, kMinLength, kMaxLength);
}

void CAutoCalibDlg::OnSet() {
  if (!calibration_.Set(lengths_, UpdateData(true))) return;
  CDialog::OnOK();
}

void CAutoCalibDlg::OnCancel() {
  calibration_.Close();
  CDialog::OnCancel();
}
