// How the tool reads the two words of the machine status: the main window, the pages' waits, the
// sensor check and the firmware installation all decode them here, on the bits the machine
// facts name.
#pragma once

#include <cstdint>

#include "../../library/api/hvx40_facts.h"

namespace status_word {

// The state code without bit 3, which does not change its meaning.
inline StateCode StateOf(uint32_t stateWord) {
  return static_cast<StateCode>(stateWord & kStateCodeMask);
}
inline bool IsMoving(uint32_t stateWord) { return (stateWord & kMotionBit) != 0; }
inline bool IsJobBlocked(uint32_t stateWord) { return (stateWord & kJobBlockedBit) != 0; }
inline uint32_t UpdateFlag(uint32_t stateWord) { return stateWord >> kUpdateFlagShift; }
inline uint32_t UpdatePhase(uint32_t stateWord) {
  return (stateWord >> kUpdatePhaseShift) & kUpdatePhaseMask;
}
inline bool InUpdateMode(uint32_t stateWord) { return UpdateFlag(stateWord) == kUpdateModeFlag; }
// The installation's progress, 0 to 255; meaningful in update mode only.
inline uint32_t UpdateProgress(uint32_t stateWord) {
  return (stateWord >> kUpdateProgressShift) & kUpdateProgressMask;
}

// The machine has entered update mode and waits for its image.
inline bool IsWaitingForImage(uint32_t stateWord) {
  return InUpdateMode(stateWord) && UpdatePhase(stateWord) == update_phase::kWaiting;
}

// The machine refused the image or could not erase, write or verify it.
inline bool IsUpdateError(uint32_t stateWord) {
  const uint32_t phase = UpdatePhase(stateWord);
  return InUpdateMode(stateWord) && phase >= update_phase::kFirmError &&
         phase <= update_phase::kVerifyError;
}

// Outside update mode only: while the machine installs firmware, bits 16 to 23 carry the
// installation progress and bit 17 says nothing about the cover.
inline bool IsCoverOpen(uint32_t stateWord) {
  return !InUpdateMode(stateWord) && (stateWord & kCoverOpenBit) != 0;
}

inline bool HasHandshakeError(uint32_t handshakeWord) {
  return (handshakeWord & handshake_word::kErrorBit) != 0;
}

inline bool IsExecuting(uint32_t handshakeWord) {
  return (handshakeWord & handshake_word::kExecutingBit) != 0;
}

// The machine takes no command in the off-line states (5 to 7 and 13 to 15).
inline bool IsOffline(uint32_t stateWord) { return StateOf(stateWord) >= kStateOffline; }

// Jogging and spindle speed steps: the machine takes motion commands in the initializing and
// ready states, and not while an earlier motion is still running.
inline bool AllowsJog(uint32_t stateWord) {
  switch (StateOf(stateWord)) {
    case kStateInitializing: case kStateReady:
      return !IsMoving(stateWord);
    default:
      return false;
  }
}

}  // namespace status_word
