#include "progress_line.h"

#include "outcome.h"

bool CProgressLine::Open(const std::string& text) {
  opened_ = true;
  inPlace_ = console_.ErrIsConsole();
  if (!quiet_) console_.Err(OnOneLine(text) + "\n");
  return true;
}

void CProgressLine::SetRange(int low, int high) {
  low_ = low;
  high_ = high > low ? high : low + 1;
}

// The bar's position as a percentage of its range; the tool's offset can carry it past the end.
void CProgressLine::SetProgress(int position) {
  int percent = (position - low_) * 100 / (high_ - low_);
  percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  if (quiet_ || percent == shown_) return;
  shown_ = percent;
  const std::string text = "firmware: " + std::to_string(percent) + "%";
  console_.Err(inPlace_ ? "\r" + text : text + "\n");
}

void CProgressLine::Close() {
  if (!quiet_ && inPlace_ && shown_ >= 0) console_.Err("\n");
  shown_ = -1;
}
