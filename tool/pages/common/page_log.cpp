#include "page_log.h"

#include "../../ui/log_window.h"

void CPageLog::AddLog(const std::string& text) { ::AddLog(window_, Prefix(), text); }

std::string CPageLog::Prefix() {
  if (prefix_ == LogPrefix::kDeviceName) return machine_.DeviceName();
  return window_ != nullptr ? window_->LogName() : std::string();
}
