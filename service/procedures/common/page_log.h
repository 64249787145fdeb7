// A page's way into the log. Every page and box files its entries under the log panel's own
// name, as the main window does, so that the record of a session stays in one set of files.
#pragma once

#include <string>

#include "../../seams/window_seams.h"

class CLogWindow;

class CPageLog : public ILogSink {
 public:
  // window may be null: entries then reach the main window's log files only.
  explicit CPageLog(CLogWindow* window) : window_(window) {}

  void AddLog(const std::string& text) override;
  CLogWindow* Window() const { return window_; }

 private:
  CLogWindow* window_;
};
