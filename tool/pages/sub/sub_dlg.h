// CSubDlg: the "Sub" tab page (template 137): the sensor check and the calibration of the axes'
// scale, automatic (test cut) or by entering the three user compensations as percentages.
//
// The main window builds it with its log panel and creates it as a child window over the tab
// control; it shows, hides and places the page, and enables the sensor check Start (1103) only
// while a machine is connected:
//   CSubDlg sub(&logPanel);         // logPanel: the main window's CLogDlg, not owned
//   sub.Create(mainWindowHandle);   // false when the window could not be created
//
// Its log entries are filed under the log panel's own name (SetLogName), as the main window's.
#pragma once

#include "../../../service/procedures/common/page_log.h"
#include "../../../service/procedures/sub/manual_compensation.h"
#include "../../ui/dialog/dialog.h"

class CLogWindow;

class CSubDlg : public CDialog {
 public:
  explicit CSubDlg(CLogWindow* log);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void DoDataExchange(CFieldExchange& fx) override;
  // Enter and Escape never close a page.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void ApplyModeRule();
  void OnSet();
  void OnSensorCheck();
  void OnCalibration();

  CLogWindow* logWindow_;
  CPageMachine machine_;
  CPageLog log_;
  CManualCompensation manual_;
};
