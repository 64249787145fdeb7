// CAxisDlg: the "Axis" tab page (template 131) with the load check and the ageing run.
//
// The main window builds it with its log panel and creates it as a child window over the tab
// control; it shows, hides and places the page, and enables the two Start buttons (1016, 1013)
// only while a machine is connected:
//   CAxisDlg axis(&logPanel);        // logPanel: the main window's CLogDlg, not owned
//   axis.Create(mainWindowHandle);   // false when the window could not be created
//
// Both tests run inside their button's handler with a "Now Processsing" box and keep the windows
// alive by pumping messages, so the rest of the tool stays usable meanwhile. A second Start on
// this page while a test runs is ignored.
#pragma once

#include "../../../service/procedures/axis/load_check.h"
#include "../../../service/procedures/common/machine_wait.h"
#include "../../../service/procedures/common/page_log.h"
#include "../../ui/dialog/controls.h"
#include "../../ui/dialog/dialog.h"
#include "../common/page_windows.h"

class CLogWindow;

class CAxisDlg : public CDialog {
 public:
  explicit CAxisDlg(CLogWindow* log);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Enter and Escape never close a page.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void OnLoadCheck();
  void OnAgeing();
  void RefillCurrentList();
  LoadCheckChoice ReadChoice() const;

  CComboBox currentList_;
  CComboBox axisList_;
  CPageMachine machine_;
  CPageBoxes boxes_;
  CPageLog log_;
  CMachineWait wait_;
  bool testRunning_ = false;
};
