// The log panel: a child dialog in the main window whose read-only edit shows this run's log,
// newest line first. Written through AddLog.
#pragma once

#include "dialog/dialog.h"
#include "log_window.h"

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

// Points AddLog at the log files of the tool's data folder ("Mek for HVX-40"); once at start-up.
void InstallLogBook();
