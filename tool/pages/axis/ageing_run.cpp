#include "ageing_run.h"

#include "../common/park_return.h"
#include "../../ui/main/job_readiness.h"
#include "axis_texts.h"

void CAgeingRun::Run(bool withSpindle, IProgressBox& box) {
  if (!boxes_.Ask(kAgeingQuestion)) return;
  box.Open(kStopHintText);
  if (!machine_.MayStartJob()) {
    box.Close();
    return;
  }
  AxisVector parked{};
  const ParkOutcome start = ReturnToPark(machine_, wait_, box, kSpeed, parked);
  if (start == ParkOutcome::kNoPosition) {
    box.Close();
    return;
  }
  // A start that was cancelled or stopped on its way to the park position skips the cycles but
  // still winds down and parks, as a cancel during the cycles does.
  if (start == ParkOutcome::kParked) {
    if (withSpindle) machine_.SetSpindleSpeed(kSpindleRpm);
    log_.AddLog("Aiging");
    Cycle(box);
  }
  WindDown(box);
  ReturnToPark(machine_, wait_, box, kSpeed, parked);
  box.Close();
}

void CAgeingRun::Cycle(IProgressBox& box) {
  // A refused move is not an end: the machine is idle then, the wait ends at once and the next
  // move is tried; only the wait's verdict (cancel, stop, offline) ends the cycles.
  machine_.MoveTo(ParkPosition, kSpeed);
  while (wait_.WaitForMachine(box) == WaitResult::kFinished) {
    machine_.MoveTo(kAgeingFarCorner, kSpeed);
    if (wait_.WaitForMachine(box) != WaitResult::kFinished) break;
    machine_.MoveTo(ParkPosition, kSpeed);
  }
}

void CAgeingRun::WindDown(IProgressBox& box) {
  wait_.WaitForMachine(box);
  machine_.StopMotion();
  wait_.WaitForMachine(box);
  machine_.SetSpindleSpeed(0);
  wait_.WaitForMachine(box);
}
