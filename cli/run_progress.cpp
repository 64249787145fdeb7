#include "run_progress.h"

#include "../service/procedures/common/elapsed_text.h"

CRunProgress::CRunProgress(IConsole& console, bool quiet, CClock& clock, CInterrupt& interrupt,
                           const std::string& name)
    : console_(console), quiet_(quiet), clock_(clock), interrupt_(interrupt), name_(name),
      start_(clock.TickCount()), inPlace_(console.ErrIsConsole()) {}

// A step is shown once its test has reached the machine.
void CRunProgress::SetStep(const std::string& step) {
  step_ = step;
  if (opened_) Show();
}

bool CRunProgress::Open(const std::string& /*text*/) {
  if (!opened_ && !step_.empty()) {
    opened_ = true;
    Show();
  }
  opened_ = true;
  return true;
}

void CRunProgress::Close() {
  if (lineOpen_) console_.Err("\n");
  lineOpen_ = false;
}

bool CRunProgress::TakeCancelRequest() {
  if (!interrupt_.Take()) return false;
  cancelled_ = true;
  return true;
}

// Only a console line is refreshed with the time; a log of a script run gets a line per step.
void CRunProgress::RefreshPage() {
  if (inPlace_ && ElapsedMs(shownAt_, clock_.TickCount()) >= kRefreshMs) Show();
}

void CRunProgress::ShowCycleCount(int cycles) {
  SetStep("cycles done " + std::to_string(cycles));
}

void CRunProgress::Show() {
  if (quiet_) return;
  shownAt_ = clock_.TickCount();
  const std::string line = name_ + ": " + step_ + "   " + ElapsedText(ElapsedMs(start_, shownAt_));
  if (inPlace_) {
    // Blanks cover the end of a longer line shown before.
    console_.Err("\r" + line + "   ");
    lineOpen_ = true;
  } else {
    console_.Err(line + "\n");
  }
}
