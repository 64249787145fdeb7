// The main window's log panel and message boxes as its logic sees them.
#pragma once

#include "../../service/seams/window_seams.h"
#include "dialog/message_box.h"
#include "log_dlg.h"

// Entries go to the panel (while its window exists) and to the files of the panel's prefix.
class CLogPanelSink : public ILogSink {
 public:
  explicit CLogPanelSink(CLogDlg& panel) : panel_(panel) {}
  void AddLog(const std::string& text) override {
    ::AddLog(panel_.IsWindow() ? &panel_ : nullptr, panel_.LogName(), text);
  }

 private:
  CLogDlg& panel_;
};

class CMessageBoxSink : public IMessageSink {
 public:
  void ShowMessage(const std::string& text) override { ::ShowMessage(text); }
};
