#include "update_follow.h"

#include "../../status/status_word.h"

namespace {

// The update marker, the phase and the progress: what moves while the machine installs.
constexpr uint32_t kUpdateFieldsMask = 0xFFFF0000u;

}  // namespace

UpdateResult CUpdateFollower::Follow(IInstallBox& box) {
  seen_ = false;
  const uint32_t start = clock_.TickCount();
  for (;;) {
    MachineStatus status{};
    if (!machine_.ReadStatus(status)) return UpdateResult::kFailed;
    const uint32_t progress = status_word::UpdateProgress(status.stateWord);
    box.SetProgress(static_cast<int>(progress) + kProgressOffset);
    if (progress >= kFinishedProgress) {
      clock_.Sleep(kFinishPauseMs);
      return UpdateResult::kUpdated;
    }
    if (status_word::IsUpdateError(status.stateWord)) return UpdateResult::kFailed;
    if (HasStalled(status.stateWord)) return UpdateResult::kFailed;
    if (ElapsedMs(start, clock_.TickCount()) >= kFollowLimitMs) return UpdateResult::kFailed;
    clock_.Sleep(kPollMs);
  }
}

bool CUpdateFollower::HasStalled(uint32_t stateWord) {
  const uint32_t fields = stateWord & kUpdateFieldsMask;
  const uint32_t now = clock_.TickCount();
  if (!seen_ || fields != lastFields_) {
    seen_ = true;
    lastFields_ = fields;
    lastChangeMs_ = now;
    return false;
  }
  return ElapsedMs(lastChangeMs_, now) >= kStallLimitMs;
}
