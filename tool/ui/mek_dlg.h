// A minimal main window: it runs the device manager at start-up and on its "Device Manager"
// button, hosts the log panel, and releases the controller wrapper when it closes. The status
// display, the jog controls and the tab pages live in the full main window.
#pragma once

#include "dialog/dialog.h"
#include "log_dlg.h"

class CMEKDlg : public CDialog {
 public:
  CMEKDlg();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnDestroy() override;

 private:
  void RunDeviceManager(bool autoConnect);
  void ShowDeviceName();

  CLogDlg log_;
  bool connected_ = false;
};
