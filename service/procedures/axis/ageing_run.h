// The ageing run: drives the machine back and forth between the park position and the opposite
// corner of its working space, optionally with the spindle turning, until the engineer cancels
// or the machine stops. It always winds down (spindle off) and parks before it ends.
#pragma once

#include <functional>
#include <string>

#include "../../../library/api/hvx40_facts.h"
#include "../../seams/window_seams.h"
#include "../common/machine_wait.h"

class CAgeingRun {
 public:
  static constexpr int kSpeed = 3000;
  static constexpr int kSpindleRpm = 7000;

  CAgeingRun(CPageMachine& machine, CMachineWait& wait, IPageBoxes& boxes, ILogSink& log)
      : machine_(machine), wait_(wait), boxes_(boxes), log_(log) {}

  void Run(bool withSpindle, IProgressBox& box);

  // A run with an end of its own: asked at each return to the park position with the cycles
  // completed, and the run winds down as a cancel does once it answers true. Without one the
  // run goes on until it is cancelled or the machine stops.
  void SetPlannedEnd(std::function<bool(int cycles)> reached) { plannedEnd_ = std::move(reached); }

  // How the last Run ended: whether it got past the question and the job guard to the
  // machine, the cycles completed, why the cycles ended (kRunComplete at a planned end), and
  // whether the machine stood at the park position afterwards.
  bool Started() const { return started_; }
  int Cycles() const { return cycles_; }
  RunBreak End() const { return end_; }
  bool Parked() const { return parked_; }

 private:
  // Runs cycles until a wait does not finish normally; returns why.
  RunBreak Cycle(IProgressBox& box);
  void WindDown(IProgressBox& box);

  CPageMachine& machine_;
  CMachineWait& wait_;
  IPageBoxes& boxes_;
  ILogSink& log_;
  std::function<bool(int cycles)> plannedEnd_;
  int cycles_ = 0;
  bool started_ = false;
  RunBreak end_ = RunBreak::kNone;
  bool parked_ = false;
};

// The log's account of an ageing run: the cycles it completed and why it ended.
std::string AgeingOutcome(int cycles, RunBreak why);
// The log's account of an ageing run that never reached its cycles.
std::string AgeingStartFailure(RunBreak why);

// The corner opposite the park position: X at its far end, Y at the front, Z down.
constexpr AxisVector kAgeingFarCorner{{travel::kXTravel, 0, travel::kZDepth, 0, 0, 0}};
