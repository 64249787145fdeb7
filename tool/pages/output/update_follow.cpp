#include "update_follow.h"

bool IsInUpdateMode(uint32_t stateWord) { return (stateWord >> 28) == 8; }

int UpdatePhase(uint32_t stateWord) { return static_cast<int>((stateWord >> 24) & 0xFu); }

int UpdateProgress(uint32_t stateWord) { return static_cast<int>((stateWord >> 16) & 0xFFu); }

bool IsWaitingForImage(uint32_t stateWord) {
  return IsInUpdateMode(stateWord) && UpdatePhase(stateWord) == 1;
}

bool IsUpdateError(uint32_t stateWord) {
  const int phase = UpdatePhase(stateWord);
  return IsInUpdateMode(stateWord) && phase >= 8 && phase <= 12;
}

// Ends by itself after 61 waits: a machine that neither finishes nor fails within that time is
// left to finish on its own, and the engineer is asked to restart it either way.
UpdateResult CUpdateFollower::Follow(IInstallBox& box) {
  for (int polls = 0;; ++polls) {
    MachineStatus status{};
    if (!machine_.ReadStatus(status)) return UpdateResult::kFailed;
    const int progress = UpdateProgress(status.stateWord);
    box.SetProgress(progress + kProgressOffset);
    if (progress >= kFinishedProgress) {
      clock_.Sleep(kFinishPauseMs);
      return UpdateResult::kUpdated;
    }
    if (IsUpdateError(status.stateWord)) return UpdateResult::kFailed;
    clock_.Sleep(kPollMs);
    if (polls >= kPollLimit) return UpdateResult::kUpdated;
  }
}
