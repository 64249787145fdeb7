// A clock that moves only when the code sleeps (or by advancePerReading on every reading).
#pragma once

#include <cstdint>
#include <vector>

#include "clock.h"

class CFakeClock : public CClock {
 public:
  explicit CFakeClock(uint32_t start = 1000) : now(start) {}
  uint32_t TickCount() override { return (now += advancePerReading) - advancePerReading; }
  void Sleep(uint32_t ms) override {
    sleeps.push_back(ms);
    now += ms;
  }

  uint32_t now;
  uint32_t advancePerReading = 0;
  std::vector<uint32_t> sleeps;
};
