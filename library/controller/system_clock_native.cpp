#include "steady_clock.h"

CClock& SystemClock() {
  static CSteadyClock clock;
  return clock;
}
