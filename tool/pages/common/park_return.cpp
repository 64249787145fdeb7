#include "park_return.h"

#include "../../ui/main/job_readiness.h"

ParkOutcome ReturnToPark(CPageMachine& machine, CMachineWait& wait, IProgressBox& box, int speed,
                         AxisVector& parked) {
  if (!machine.GetCurrentPosition(parked)) return ParkOutcome::kNoPosition;
  for (int axis : {kAxisZ, kAxisY, kAxisX}) {
    parked.value[axis] = ParkPosition.value[axis];
    if (!machine.MoveTo(parked, speed)) return ParkOutcome::kInterrupted;
    if (wait.WaitForMachine(box) != WaitResult::kFinished) return ParkOutcome::kInterrupted;
  }
  return ParkOutcome::kParked;
}
