// The test that guards the long machine jobs (load check, ageing run, sensor check) and the
// position they return the machine to.
#pragma once

#include <cstdint>

#include "../../../library/api/hvx40_types.h"
#include "status_word.h"

// Ready for a job: set up or ready (states 0, 1, 2, 8, 9, 10), not blocked for jobs and not
// moving.
inline bool IsReadyForJob(uint32_t stateWord) {
  switch (status_word::State(stateWord)) {
    case 0: case 1: case 2: case 8: case 9: case 10:
      return !status_word::IsJobBlocked(stateWord) && !status_word::IsMoving(stateWord);
    default:
      return false;
  }
}

// X home, Y at the far end of its travel, Z up: the table is free for the engineer.
constexpr AxisVector ParkPosition{{0, 152400, 0, 0, 0, 0}};
