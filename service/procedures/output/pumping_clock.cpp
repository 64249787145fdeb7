#include "pumping_clock.h"

#include <algorithm>

void CPumpingClock::Sleep(uint32_t ms) {
  const uint32_t start = clock_.TickCount();
  for (;;) {
    box_.PumpMessages();
    const uint32_t elapsed = ElapsedMs(start, clock_.TickCount());
    if (elapsed >= ms) return;
    clock_.Sleep(std::min(ms - elapsed, kSliceMs));
  }
}
