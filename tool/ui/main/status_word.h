// How the main window reads the two words of the machine status.
#pragma once

#include <cstdint>

namespace status_word {

constexpr uint32_t kStateMask = 0x0000000Fu;
constexpr uint32_t kJobBlockedBit = 0x00000040u;
constexpr uint32_t kMotionBit = 0x00000800u;
constexpr uint32_t kCoverOpenBit = 0x00020000u;
constexpr uint32_t kHandshakeErrorBit = 0x00000010u;
constexpr uint32_t kUpdateModeFlag = 8;

inline uint32_t State(uint32_t stateWord) { return stateWord & kStateMask; }
inline bool IsMoving(uint32_t stateWord) { return (stateWord & kMotionBit) != 0; }
inline bool IsJobBlocked(uint32_t stateWord) { return (stateWord & kJobBlockedBit) != 0; }
inline uint32_t UpdateFlag(uint32_t stateWord) { return stateWord >> 28; }
inline uint32_t UpdatePhase(uint32_t stateWord) { return (stateWord >> 24) & 0xFu; }
inline bool InUpdateMode(uint32_t stateWord) { return UpdateFlag(stateWord) == kUpdateModeFlag; }

// Outside update mode only: while the machine installs firmware, bits 16 to 23 carry the
// installation progress and bit 17 says nothing about the cover.
inline bool IsCoverOpen(uint32_t stateWord) {
  return !InUpdateMode(stateWord) && (stateWord & kCoverOpenBit) != 0;
}

inline bool HasHandshakeError(uint32_t handshakeWord) {
  return (handshakeWord & kHandshakeErrorBit) != 0;
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
