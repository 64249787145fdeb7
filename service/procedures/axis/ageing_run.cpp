#include "ageing_run.h"

#include "../../status/job_readiness.h"
#include "../common/park_return.h"
#include "axis_texts.h"

void CAgeingRun::Run(bool withSpindle, IProgressBox& box) {
  started_ = parked_ = false;
  cycles_ = 0;
  end_ = RunBreak::kNone;
  if (!boxes_.Ask(kAgeingQuestion)) return;
  box.Open(kStopHintText);
  if (!machine_.MayStartJob()) {
    box.Close();
    return;
  }
  started_ = true;
  AxisVector parked{};
  RunBreak why = RunBreak::kNone;
  const ParkOutcome start = ReturnToPark(machine_, wait_, box, kSpeed, parked, &why);
  if (start == ParkOutcome::kNoPosition) {
    end_ = why;
    log_.AddLog(AgeingStartFailure(why));
    box.Close();
    return;
  }
  // A start that was cancelled or stopped on its way to the park position skips the cycles but
  // still winds down and parks, as a cancel during the cycles does.
  if (start == ParkOutcome::kParked) {
    if (withSpindle) machine_.SetSpindleSpeed(kSpindleRpm);
    log_.AddLog("Aiging");
    end_ = Cycle(box);
    log_.AddLog(AgeingOutcome(cycles_, end_));
  } else {
    end_ = why;
    log_.AddLog(AgeingStartFailure(why));
  }
  WindDown(box);
  parked_ = ReturnToPark(machine_, wait_, box, kSpeed, parked) == ParkOutcome::kParked;
  box.Close();
}

// A cycle is the trip to the far corner and back to the park position.
RunBreak CAgeingRun::Cycle(IProgressBox& box) {
  // A refused move is not an end: the machine is idle then, the wait ends at once and the next
  // move is tried; only the wait's verdict (cancel, stop, offline) ends the cycles.
  cycles_ = 0;
  machine_.MoveTo(ParkPosition, kSpeed);
  if (wait_.WaitForMachine(box) != WaitResult::kFinished) return wait_.LastBreak();
  for (;; ++cycles_) {
    box.ShowCycleCount(cycles_);
    if (plannedEnd_ && plannedEnd_(cycles_)) return RunBreak::kRunComplete;
    machine_.MoveTo(kAgeingFarCorner, kSpeed);
    if (wait_.WaitForMachine(box) != WaitResult::kFinished) break;
    machine_.MoveTo(ParkPosition, kSpeed);
    if (wait_.WaitForMachine(box) != WaitResult::kFinished) break;
  }
  return wait_.LastBreak();
}

std::string AgeingOutcome(int cycles, RunBreak why) {
  return "Ageing ended after " + std::to_string(cycles) + (cycles == 1 ? " cycle: " : " cycles: ") +
         RunBreakText(why);
}

std::string AgeingStartFailure(RunBreak why) {
  return why == RunBreak::kCancelled ? "Ageing cancelled before its first cycle"
                                     : "Ageing failed before its first cycle: " + RunBreakText(why);
}

void CAgeingRun::WindDown(IProgressBox& box) {
  wait_.WaitForMachine(box);
  machine_.StopMotion();
  wait_.WaitForMachine(box);
  machine_.SetSpindleSpeed(0);
  wait_.WaitForMachine(box);
}
