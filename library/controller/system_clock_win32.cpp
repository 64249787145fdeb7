#include <windows.h>
#include <mmsystem.h>

#include "clock.h"

namespace {

class CWin32Clock : public CClock {
 public:
  uint32_t TickCount() override { return GetTickCount(); }
  // The default timer resolution of 15.6 ms would stretch every 5 and 10 ms poll of a status
  // wait; the finer resolution is held only for the length of one sleep so the rest of the
  // system does not pay for it.
  void Sleep(uint32_t ms) override {
    timeBeginPeriod(1);
    ::Sleep(ms);
    timeEndPeriod(1);
  }
};

}  // namespace

CClock& SystemClock() {
  static CWin32Clock clock;
  return clock;
}
