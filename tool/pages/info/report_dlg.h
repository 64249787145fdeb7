// CReportDlg: the report viewer ("Report", template 136). It shows the system report read-only
// and saves it as a text file; Enter and Escape are swallowed, so it closes only with "Close"
// or the close box.
//
//   CReportDlg viewer(text, log);    // log: where Save records the file it wrote
//   viewer.DoModal(page.Handle());   // the main window is disabled while it is open
#pragma once

#include <string>

#include "../../../service/seams/window_seams.h"
#include "../../ui/dialog/dialog.h"

class CReportDlg : public CDialog {
 public:
  CReportDlg(const std::string& text, ILogSink& log);

  const std::string& Text() const { return text_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  // "Close" carries the id of OK; it ends the viewer without any field transfer.
  void OnOK() override { EndDialog(IDOK); }

 private:
  void OnSave();

  std::string text_;
  ILogSink& log_;
};
