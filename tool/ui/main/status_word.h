// How the tool reads the two words of the machine status: the main window, the pages' waits, the
// sensor check and the firmware installation all decode them here.
#pragma once

#include <cstdint>

namespace status_word {

constexpr uint32_t kStateMask = 0x0000000Fu;
constexpr uint32_t kJobBlockedBit = 0x00000040u;
constexpr uint32_t kMotionBit = 0x00000800u;
constexpr uint32_t kCoverOpenBit = 0x00020000u;
constexpr uint32_t kHandshakeErrorBit = 0x00000010u;
constexpr uint32_t kExecutingBit = 0x00000020u;
constexpr uint32_t kUpdateModeFlag = 8;
// The machine has entered update mode and waits for its image.
constexpr uint32_t kWaitingPhase = 1;
// Phases 8 to 12: the machine refused the image or could not erase, write or verify it.
constexpr uint32_t kFirstErrorPhase = 8;
constexpr uint32_t kLastErrorPhase = 12;

inline uint32_t State(uint32_t stateWord) { return stateWord & kStateMask; }
inline bool IsMoving(uint32_t stateWord) { return (stateWord & kMotionBit) != 0; }
inline bool IsJobBlocked(uint32_t stateWord) { return (stateWord & kJobBlockedBit) != 0; }
inline uint32_t UpdateFlag(uint32_t stateWord) { return stateWord >> 28; }
inline uint32_t UpdatePhase(uint32_t stateWord) { return (stateWord >> 24) & 0xFu; }
inline bool InUpdateMode(uint32_t stateWord) { return UpdateFlag(stateWord) == kUpdateModeFlag; }
// The installation's progress, 0 to 255; meaningful in update mode only.
inline uint32_t UpdateProgress(uint32_t stateWord) { return (stateWord >> 16) & 0xFFu; }

inline bool IsWaitingForImage(uint32_t stateWord) {
  return InUpdateMode(stateWord) && UpdatePhase(stateWord) == kWaitingPhase;
}

inline bool IsUpdateError(uint32_t stateWord) {
  const uint32_t phase = UpdatePhase(stateWord);
  return InUpdateMode(stateWord) && phase >= kFirstErrorPhase && phase <= kLastErrorPhase;
}

// Outside update mode only: while the machine installs firmware, bits 16 to 23 carry the
// installation progress and bit 17 says nothing about the cover.
inline bool IsCoverOpen(uint32_t stateWord) {
  return !InUpdateMode(stateWord) && (stateWord & kCoverOpenBit) != 0;
}

inline bool HasHandshakeError(uint32_t handshakeWord) {
  return (handshakeWord & kHandshakeErrorBit) != 0;
}

inline bool IsExecuting(uint32_t handshakeWord) { return (handshakeWord & kExecutingBit) != 0; }

// The machine is off line in states 5 to 7 and 13 to 15: it takes no command.
inline bool IsOffline(uint32_t stateWord) {
  switch (State(stateWord)) {
    case 5: case 6: case 7: case 13: case 14: case 15:
      return true;
    default:
      return false;
  }
}

// Jogging and spindle speed steps: the machine takes motion commands in the idle and ready
// states, and not while an earlier motion is still running.
inline bool AllowsJog(uint32_t stateWord) {
  switch (State(stateWord)) {
    case 0: case 2: case 8: case 10:
      return !IsMoving(stateWord);
    default:
      return false;
  }
}

}  // namespace status_word
