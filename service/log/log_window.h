// The log panel as the main window and the pages see it, and AddLog, their one way of recording
// a user action: the line goes to the top of the panel and to the prefix's log file.
#pragma once

#include <string>

class CLogBook;

// Keeps the newest entries of this run, newest first, CR LF between lines. The panel is bounded
// so that a long session cannot grow it without end; the log files keep every entry.
class CLogPanelText {
 public:
  static constexpr size_t kMaxLines = 1000;

  void AddNewest(const std::string& line);
  const std::string& Text() const { return text_; }
  size_t LineCount() const { return lines_; }

 private:
  std::string text_;
  size_t lines_ = 0;
};

class CLogWindow {
 public:
  virtual ~CLogWindow() {}
  // Shows the panel's text after an entry was added.
  virtual void ShowText(const std::string& text) = 0;

  void SetLogName(const std::string& name) { prefix_ = name; }
  const std::string& LogName() const { return prefix_; }
  CLogPanelText& Panel() { return panel_; }

 private:
  std::string prefix_;
  CLogPanelText panel_;
};

// The book that AddLog writes to; the application sets it at start-up.
void SetLogBook(CLogBook* book);

// Records message under prefix: the panel of window (when given) shows it as its first line,
// and the book appends it to the prefix's current file.
void AddLog(CLogWindow* window, const std::string& prefix, const std::string& message);
