// A clock that only moves when the code under test sleeps (or, optionally, a little on every
// reading), so that ten-second waits run at once and their timing is exact.
#pragma once

#include <cstdint>
#include <vector>

#include "clock.h"

class CFakeClock : public CClock {
 public:
  explicit CFakeClock(uint32_t start = 1000) : now(start) {}
  uint32_t TickCount() override {
    const uint32_t reading = now;
    now += advancePerReading;
    return reading;
  }
  void Sleep(uint32_t ms) override {
    sleeps.push_back(ms);
    now += ms;
  }

  uint32_t now;
  uint32_t advancePerReading = 0;
  std::vector<uint32_t> sleeps;
};
