#include "sub_dlg.h"

#include "../../../service/procedures/sub/sensor_check_start.h"
#include "../../../service/wrapper/controller_holder.h"
#include "../../resources/resource.h"
#include "../calibration/auto_calib_dlg.h"
#include "sensor_check_dlg.h"

CSubDlg::CSubDlg(CLogWindow* log)
    : CDialog(IDD_SUB_PAGE),
      logWindow_(log),
      machine_([] { return CurrentController(); }),
      log_(log),
      manual_(machine_, log_) {}

bool CSubDlg::OnInit() {
  CheckItem(IDC_SUB_AUTO, true);
  ApplyModeRule();
  return CDialog::OnInit();
}

bool CSubDlg::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_SUB_AUTO:
    case IDC_SUB_MANUAL: ApplyModeRule(); return true;
    case IDC_SUB_SET: OnSet(); return true;
    case IDC_SUB_SENSOR_START: OnSensorCheck(); return true;
    case IDC_SUB_CALIB_START: OnCalibration(); return true;
    default: return false;
  }
}

void CSubDlg::DoDataExchange(CFieldExchange& fx) {
  CompensationPercents& held = manual_.Percents();
  fx.Number(IDC_SUB_X_PERCENT, held.x, kCompensationMinPercent, kCompensationMaxPercent);
  fx.Number(IDC_SUB_Y_PERCENT, held.y, kCompensationMinPercent, kCompensationMaxPercent);
  fx.Number(IDC_SUB_Z_PERCENT, held.z, kCompensationMinPercent, kCompensationMaxPercent);
}

void CSubDlg::ApplyModeRule() {
  const CalibrationModeView view = manual_.ApplyMode(IsItemChecked(IDC_SUB_AUTO));
  EnableItem(IDC_SUB_CALIB_START, view.autoStartEnabled);
  for (int id : {IDC_SUB_X_PERCENT, IDC_SUB_Y_PERCENT, IDC_SUB_Z_PERCENT, IDC_SUB_SET})
    EnableItem(id, view.manualEnabled);
  UpdateData(false);
}

void CSubDlg::OnSet() {
  const bool accepted = UpdateData(true);
  manual_.Set(manual_.Percents(), accepted);
}

void CSubDlg::OnSensorCheck() {
  StartSensorCheck(machine_, log_, [this] {
    CSensorCheckDlg box;
    box.DoModal(Handle());
    return box.Check().OutcomeText();
  });
}

void CSubDlg::OnCalibration() {
  CAutoCalibDlg box(logWindow_);
  box.Lengths() = CalibrationLengths{100.0, 100.0};
  box.DoModal(Handle());
  manual_.Refresh();
  UpdateData(false);
}
