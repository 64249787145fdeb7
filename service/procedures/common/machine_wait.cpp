#include "machine_wait.h"

#include "../../status/status_word.h"

const char kCancelledJobText[] = "Cancelled the job";

namespace {

using status_word::IsOffline;

bool IsStillWorking(const MachineStatus& status) {
  return status_word::IsExecuting(status.handshakeWord) ||
         status_word::IsMoving(status.stateWord) ||
         status_word::StateOf(status.stateWord) == status_word::kStateBusy;
}

}  // namespace

WaitResult CMachineWait::WaitForMachine(IProgressBox& box) {
  WaitResult result = WaitResult::kFinished;
  lastBreak_ = RunBreak::kNone;
  MachineStatus kept{0, 0};
  machine_.ReadStatus(kept);
  uint32_t last = clock_.TickCount();
  lastAnswerMs_ = last;
  do {
    clock_.Sleep(kSliceMs);
    const uint32_t now = clock_.TickCount();
    if (ElapsedMs(last, now) <= kSliceMs) continue;
    last = now;
    if (!Poll(box, kept, result)) return result;
  } while (IsStillWorking(kept));
  if (!IsOffline(kept.stateWord) && status_word::IsJobBlocked(kept.stateWord)) {
    result = WaitResult::kStopped;
    if (lastBreak_ == RunBreak::kNone) lastBreak_ = RunBreak::kMachineError;
  }
  return result;
}

bool CMachineWait::Poll(IProgressBox& box, MachineStatus& kept, WaitResult& result) {
  if (machine_.ReadStatus(kept)) {
    lastAnswerMs_ = clock_.TickCount();
    if (IsOffline(kept.stateWord)) {
      result = WaitResult::kStopped;
      lastBreak_ = RunBreak::kOffline;
      return false;
    }
    // An open cover must not let the axes move on; the wait sees them come to rest.
    if (status_word::IsCoverOpen(kept.stateWord)) {
      machine_.StopMotion();
      result = WaitResult::kStopped;
      lastBreak_ = RunBreak::kCoverOpened;
    }
  } else if (silenceLimitMs_ != 0 &&
             ElapsedMs(lastAnswerMs_, clock_.TickCount()) >= silenceLimitMs_) {
    result = WaitResult::kStopped;
    lastBreak_ = RunBreak::kSilent;
    return false;
  }
  box.PumpMessages();
  if (box.TakeCancelRequest()) {
    // The engineer may take a while to answer the box; nothing turns or moves meanwhile.
    machine_.StopMotion();
    machine_.SetSpindleSpeed(0);
    boxes_.Inform(kCancelledJobText);
    result = WaitResult::kCancelled;
    lastBreak_ = RunBreak::kCancelled;
    return false;
  }
  box.RefreshPage();
  return true;
}
