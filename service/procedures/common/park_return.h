// The way the long tests bring the machine back to where the engineer can reach the table:
// Z up first, then Y to the back, then X home, so the spindle never sweeps across the work.
#pragma once

#include "machine_wait.h"

enum class ParkOutcome {
  kParked,          // all three moves were taken and ended normally
  kNoPosition,      // the current position could not be read; nothing moved
  kInterrupted,     // a move was refused or its wait did not end normally
};

// Moves Z, then Y, then X to the park position, waiting after each; the other three axes keep
// the values read. parked receives the last target (the park position with those values); why
// (when given) receives the reason of an outcome other than kParked.
ParkOutcome ReturnToPark(CPageMachine& machine, CMachineWait& wait, IProgressBox& box, int speed,
                         AxisVector& parked, RunBreak* why = nullptr);
