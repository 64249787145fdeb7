// CInfoDlg: the "Info" tab page (template 134): the system report, the parameter area (save to
// a file, load from one, clear all, clear the user's) and the serial number.
//
// The main window creates it as a child dialog with the log panel the page writes to:
//   CInfoDlg info(&logPanel);        // the log panel (not owned); may be null
//   info.Create(mainWindow);         // a hidden child window of the main window
// and switches System Report "Get" (1007), Parameter "Get" (1008), "Put" (1009) and Serial
// "Write" (1011) with EnableItem by its connected flag. The page always works on the wrapper
// that is current at the moment of a click.
#pragma once

#include <string>

#include "../../../service/procedures/common/page_log.h"
#include "../../ui/dialog/dialog.h"
#include "../common/page_windows.h"

class CLogWindow;

class CInfoDlg : public CDialog {
 public:
  explicit CInfoDlg(CLogWindow* log);

  const std::string& SerialText() const { return serial_; }

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  void DoDataExchange(CFieldExchange& fx) override;
  // Enter and Escape in a page must neither close nor hide it.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void OnReportGet();
  void OnParameterGet();
  void OnParameterPut();
  void OnClearAll();
  void OnClearUser();
  void OnSerialWrite();

  std::string serial_;
  CPageLog log_;
  CPageBoxes boxes_;
};
