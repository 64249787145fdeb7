#include "park_return.h"

#include "../../status/job_readiness.h"

namespace {

ParkOutcome Broken(ParkOutcome outcome, RunBreak reason, RunBreak* why) {
  if (why != nullptr) *why = reason;
  return outcome;
}

}  // namespace

ParkOutcome ReturnToPark(CPageMachine& machine, CMachineWait& wait, IProgressBox& box, int speed,
                         AxisVector& parked, RunBreak* why) {
  if (!machine.GetCurrentPosition(parked))
    return Broken(ParkOutcome::kNoPosition, RunBreak::kNoPosition, why);
  for (int axis : {kAxisZ, kAxisY, kAxisX}) {
    parked.value[axis] = ParkPosition.value[axis];
    if (!machine.MoveTo(parked, speed))
      return Broken(ParkOutcome::kInterrupted, RunBreak::kMoveRefused, why);
    if (wait.WaitForMachine(box) != WaitResult::kFinished)
      return Broken(ParkOutcome::kInterrupted, wait.LastBreak(), why);
  }
  return Broken(ParkOutcome::kParked, RunBreak::kNone, why);
}
