#include "page_log.h"

#include "../../log/log_window.h"
#include "../../wrapper/hvx_all_ctr.h"

// The main window names its log files by the model string; without a panel the entry goes there.
void CPageLog::AddLog(const std::string& text) {
  ::AddLog(window_, window_ != nullptr ? window_->LogName() : std::string(kModelName), text);
}
