// The test that guards the long machine jobs (load check, ageing run, sensor check) and the
// position they return the machine to.
#pragma once

#include <cstdint>

#include "../../library/api/hvx40_types.h"
#include "status_word.h"

// Ready for a job: initializing, not set up or ready, not blocked for jobs and not moving.
inline bool IsReadyForJob(uint32_t stateWord) {
  switch (status_word::StateOf(stateWord)) {
    case status_word::kStateInitializing: case status_word::kStateUnSetup:
    case status_word::kStateReady:
      return !status_word::IsJobBlocked(stateWord) && !status_word::IsMoving(stateWord);
    default:
      return false;
  }
}

// X home, Y at the far end of its travel, Z up: the table is free for the engineer.
constexpr AxisVector ParkPosition{{travel::kParkX, travel::kParkY, travel::kParkZ, 0, 0, 0}};
