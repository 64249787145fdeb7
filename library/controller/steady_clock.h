// The portable real clock: milliseconds of a monotonic clock, cut to 32 bits so that they wrap
// like the Windows tick count. SystemClock() in the native build, and the emulator's clock on
// every platform.
#pragma once

#include <chrono>
#include <thread>

#include "clock.h"

class CSteadyClock : public CClock {
 public:
  uint32_t TickCount() override {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  }
  void Sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};
