#include "compensation_percent.h"

#include <cmath>
#include <limits>

double PercentFromPpm(int32_t ppm) { return ppm / 10000.0 + 100; }

int32_t PpmFromPercent(double percent) {
  const double ppm = (percent - 100) * 10000;
  if (std::isnan(ppm)) return 0;
  // A conversion of a double outside the range of the integer is undefined; hold it instead.
  if (ppm >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (ppm <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(std::lround(ppm));
}
