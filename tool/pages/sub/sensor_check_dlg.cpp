#include "sensor_check_dlg.h"

#include "../../../service/procedures/common/elapsed_text.h"
#include "../../../service/wrapper/controller_holder.h"
#include "../../resources/resource.h"

namespace {

const UINT_PTR kTickTimer = 1;
const UINT kTickMs = 300;

const int kLevelFields[kSensorCount] = {IDC_SENSOR_X_LIMIT, IDC_SENSOR_Y_LIMIT, IDC_SENSOR_Z_LIMIT,
                                        IDC_SENSOR_COVER};
const int kCheckBoxes[kSensorCount] = {IDC_SENSOR_X_CHECKED, IDC_SENSOR_Y_CHECKED,
                                       IDC_SENSOR_Z_CHECKED, IDC_SENSOR_COVER_CHECKED};
// All ten check boxes, those of sensors this machine does not have included.
const int kFirstCheckBox = IDC_SENSOR_X_CHECKED;
const int kLastCheckBox = IDC_SENSOR_VACUUM_CHECKED;

}  // namespace

CSensorCheckDlg::CSensorCheckDlg()
    : CDialog(IDD_SENSOR_CHECK), machine_([] { return CurrentController(); }), check_(machine_) {}

bool CSensorCheckDlg::OnInit() {
  CDialog::OnInit();
  for (int id = kFirstCheckBox; id <= kLastCheckBox; ++id) ShowItem(id, false);
  return true;
}

void CSensorCheckDlg::OnOK() {
  check_.Start();
  StopTickTimer();  // a restart must not leave a second timer behind
  // Nothing of a previous run stays in sight: its ticks go with its report.
  ClearCheckBoxes();
  for (int sensor = 0; sensor < kSensorCount; ++sensor) ShowItem(kCheckBoxes[sensor], false);
  startTick_ = GetTickCount();
  timerId_ = StartTimer(kTickTimer, kTickMs);
  RunTick();
}

void CSensorCheckDlg::OnCancel() {
  StopTickTimer();
  ClearCheckBoxes();
  CDialog::OnCancel();
}

void CSensorCheckDlg::ClearCheckBoxes() {
  for (int id = kFirstCheckBox; id <= kLastCheckBox; ++id) CheckItem(id, false);
}

void CSensorCheckDlg::OnTimer(UINT_PTR id) {
  if (id == timerId_ && timerId_ > 0) RunTick();
}

void CSensorCheckDlg::RunTick() {
  const bool completed = check_.Tick();
  ShowCheck();
  if (completed) StopTickTimer();
}

void CSensorCheckDlg::StopTickTimer() {
  if (timerId_ > 0) StopTimer(timerId_);
  timerId_ = 0;
}

void CSensorCheckDlg::ShowCheck() {
  for (int sensor = 0; sensor < kSensorCount; ++sensor) {
    SetItemText(kLevelFields[sensor], check_.LevelText(sensor));
    if (!check_.Checked(sensor)) continue;
    CheckItem(kCheckBoxes[sensor], true);
    ShowItem(kCheckBoxes[sensor], true);
  }
  SetItemText(IDC_SENSOR_ELAPSED, ElapsedText(GetTickCount() - startTick_));
  SetItemText(IDC_SENSOR_REPORT, check_.Report());
  // The newest lines are at the end of the report; keep them in view.
  if (HWND report = Item(IDC_SENSOR_REPORT)) {
    SendMessageA(report, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    SendMessageA(report, EM_SCROLLCARET, 0, 0);
  }
}
