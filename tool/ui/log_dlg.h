// The log panel: a child dialog in the main window whose read-only edit shows this run's log,
// newest line first. Written through AddLog.
#pragma once

#include "../../service/log/log_window.h"
#include "dialog/dialog.h"

class CLogDlg : public CDialog, public CLogWindow {
 public:
  CLogDlg();
  void ShowText(const std::string& text) override;

 protected:
  // Escape in the log's multi-line text asks its dialog to close, and Enter to confirm; a child
  // panel ended that way would vanish from the main window for the rest of the session.
  void OnOK() override {}
  void OnCancel() override {}
};
