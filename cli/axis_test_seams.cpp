#include "axis_test_seams.h"

CommandOutcome StoppedByInterrupt(const std::string& left) {
  return Failure(ExitCode::kStoppedAfterMove, "stopped by Ctrl+C after the machine had moved",
                 left);
}

CommandOutcome RefusedNotReady() {
  return Failure(ExitCode::kMachineFailed,
                 "the machine is not ready for a job (busy, moving or in an error state)",
                 "nothing was moved");
}
