#include "log_window.h"

#include "log_book.h"

namespace {

CLogBook* g_logBook = nullptr;
const char* const kLineBreak = "\r\n";

}  // namespace

void CLogPanelText::AddNewest(const std::string& line) {
  text_.insert(0, line + kLineBreak);
  if (++lines_ <= kMaxLines) return;
  // Drops the oldest line, the last one of the text.
  size_t end = text_.size() - 2;
  size_t previousBreak = text_.rfind(kLineBreak, end - 1);
  text_.erase(previousBreak == std::string::npos ? 0 : previousBreak + 2);
  --lines_;
}

void SetLogBook(CLogBook* book) { g_logBook = book; }

void AddLog(CLogWindow* window, const std::string& prefix, const std::string& message) {
  std::string line = g_logBook ? g_logBook->Record(prefix, message) : message;
  if (window == nullptr) return;
  window->Panel().AddNewest(line);
  window->ShowText(window->Panel().Text());
}
