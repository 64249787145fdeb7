// A page's way into the log. The Axis page and the calibration box file their entries under the
// name the library reports for the device; the Sub page files them under the log panel's own
// name, as the main window does.
#pragma once

#include <string>

#include "../../ui/main/window_seams.h"
#include "page_machine.h"

class CLogWindow;

enum class LogPrefix { kDeviceName, kLogWindowName };

class CPageLog : public ILogSink {
 public:
  // window may be null: entries then reach the log files only.
  CPageLog(CLogWindow* window, LogPrefix prefix, CPageMachine& machine)
      : window_(window), prefix_(prefix), machine_(machine) {}

  void AddLog(const std::string& text) override;
  CLogWindow* Window() const { return window_; }

 private:
  std::string Prefix();

  CLogWindow* window_;
  LogPrefix prefix_;
  CPageMachine& machine_;
};
