// How the tool reads the machine's input word (GetInputState): the limit sensors and the cover.
#pragma once

namespace input_word {

// The read failed: every bit is set, so the word must not be taken as sensor levels.
constexpr int kReadFailed = -1;
constexpr int kXLimitBit = 0x1;
constexpr int kYLimitBit = 0x2;
constexpr int kZLimitBit = 0x4;
constexpr int kCoverClosedBit = 0x40;

inline bool WasRead(int word) { return word != kReadFailed; }

}  // namespace input_word
