#include "machine_wait.h"

const char kCancelledJobText[] = "Cancelled the job";

namespace {

const uint32_t kCoverOpenBit = 0x00020000u;
const uint32_t kJobBlockedBit = 0x00000040u;
const uint32_t kMotionBit = 0x00000800u;
const uint32_t kExecutingBit = 0x00000020u;

uint32_t State(const MachineStatus& status) { return status.stateWord & 0xFu; }

bool IsOffline(const MachineStatus& status) {
  switch (State(status)) {
    case 5: case 6: case 7: case 13: case 14: case 15: return true;
    default: return false;
  }
}

bool IsStillWorking(const MachineStatus& status) {
  const uint32_t state = State(status);
  return (status.handshakeWord & kExecutingBit) != 0 || (status.stateWord & kMotionBit) != 0 ||
         state == 3 || state == 11;
}

}  // namespace

WaitResult CMachineWait::WaitForMachine(IProgressBox& box) {
  WaitResult result = WaitResult::kFinished;
  lastBreak_ = RunBreak::kNone;
  MachineStatus kept{0, 0};
  machine_.ReadStatus(kept);
  uint32_t last = clock_.TickCount();
  do {
    clock_.Sleep(kSliceMs);
    const uint32_t now = clock_.TickCount();
    if (ElapsedMs(last, now) <= kSliceMs) continue;
    last = now;
    if (!Poll(box, kept, result)) return result;
  } while (IsStillWorking(kept));
  if (!IsOffline(kept) && (kept.stateWord & kJobBlockedBit) != 0) {
    result = WaitResult::kStopped;
    if (lastBreak_ == RunBreak::kNone) lastBreak_ = RunBreak::kMachineError;
  }
  return result;
}

bool CMachineWait::Poll(IProgressBox& box, MachineStatus& kept, WaitResult& result) {
  if (machine_.ReadStatus(kept)) {
    if (IsOffline(kept)) {
      result = WaitResult::kStopped;
      lastBreak_ = RunBreak::kOffline;
      return false;
    }
    // An open cover must not let the axes move on; the wait sees them come to rest.
    if ((kept.stateWord & kCoverOpenBit) != 0) {
      machine_.StopMotion();
      result = WaitResult::kStopped;
      lastBreak_ = RunBreak::kCoverOpened;
    }
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
