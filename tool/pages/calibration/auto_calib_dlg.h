// CAutoCalibDlg: the modal "Calibration" box (template 130) of the test-cut calibration.
// Opened from the Sub page in Auto mode; the opener presets both lengths:
//   CAutoCalibDlg box(&logPanel);
//   box.Lengths() = CalibrationLengths{100.0, 100.0};
//   box.DoModal(pageHandle);
// While it is open the machine's user compensation is zero. "Set" stores the measured lengths
// and closes; "Close" (and the close box) puts back the values in force when it opened.
#pragma once

#include "../../../service/procedures/calibration/auto_calibration.h"
#include "../../../service/procedures/common/page_log.h"
#include "../../ui/dialog/dialog.h"
#include "../common/page_windows.h"
#include "cut_data_resource.h"

class CLogWindow;

class CAutoCalibDlg : public CDialog {
 public:
  explicit CAutoCalibDlg(CLogWindow* log);

  CalibrationLengths& Lengths() { return lengths_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void DoDataExchange(CFieldExchange& fx) override;
  // The hidden OK button is never used: Enter must not close the box past Set and Close, which
  // would leave the machine without its compensation.
  void OnOK() override {}
  void OnCancel() override;

 private:
  void OnSet();

  CPageMachine machine_;
  CPageBoxes boxes_;
  CPageLog log_;
  CCutDataResource cutData_;
  CAutoCalibration calibration_;
  CalibrationLengths lengths_;
};
