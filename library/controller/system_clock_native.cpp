#include <chrono>
#include <thread>

#include "clock.h"

namespace {

class CSteadyClock : public CClock {
 public:
  // Truncated to 32 bits it wraps like the Windows tick count.
  uint32_t TickCount() override {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
  void Sleep(uint32_t ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
};

}  // namespace

CClock& SystemClock() {
  static CSteadyClock clock;
  return clock;
}
