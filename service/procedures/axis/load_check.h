// The load check: drives one axis over its whole travel onto its limit sensor with a reduced
// motor current. An axis that still reaches its sensor carries an acceptable load.
#pragma once

#include <string>

#include "../../seams/window_seams.h"
#include "../common/machine_wait.h"

// What the engineer chose on the page. Text typed into a list's edit field is no choice.
struct LoadCheckChoice {
  bool axisChosen = false;
  bool currentChosen = false;
  std::string axisText;     // "X", "Y" or "Z"
  std::string currentText;  // "50%", ...
};

class CLoadCheck {
 public:
  static constexpr int kSpeed = 1000;

  CLoadCheck(CPageMachine& machine, CMachineWait& wait, IPageBoxes& boxes, ILogSink& log)
      : machine_(machine), wait_(wait), boxes_(boxes), log_(log) {}

  void Run(const LoadCheckChoice& choice, IProgressBox& box);

  // How the last Run ended: whether it got past the questions and the job guard to the
  // machine, whether the axis reached its sensor, and why the run broke off (kNone if not).
  bool Started() const { return started_; }
  bool Passed() const { return passed_; }
  RunBreak Why() const { return why_; }

 private:
  // Park, drive, park again. False when a move or a wait broke the run off (why_ tells why);
  // passed tells whether the sensor was reached before that.
  bool DriveAndReturn(const std::string& axisText, int current, IProgressBox& box, bool& passed);
  bool DriveAxis(const std::string& axisText, int current, IProgressBox& box, bool& passed);
  bool MoveAndWait(int axis, int target, int current, IProgressBox& box);
  bool WaitFinished(IProgressBox& box);
  void Report(bool passed, IProgressBox& box);

  CPageMachine& machine_;
  CMachineWait& wait_;
  IPageBoxes& boxes_;
  ILogSink& log_;
  RunBreak why_ = RunBreak::kNone;
  bool started_ = false;
  bool passed_ = false;
};

// The log's verdict on a load check of the axis: passed, failed (the sensor was not reached, or
// why the run broke off), or cancelled.
std::string LoadCheckOutcome(const std::string& axisText, bool passed, RunBreak why);
