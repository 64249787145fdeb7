// Millisecond time for every wait and poll, behind a seam so that tests run long time-outs with
// a fake clock.
#pragma once

#include <cstdint>

class CClock {
 public:
  virtual ~CClock() {}
  // Millisecond tick count; it wraps around, so elapsed time is always an unsigned difference.
  virtual uint32_t TickCount() = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

// The process's real clock (GetTickCount and Sleep on Windows).
CClock& SystemClock();

// Milliseconds from start to now, correct across a wrap-around of the tick counter.
inline uint32_t ElapsedMs(uint32_t start, uint32_t now) { return now - start; }
