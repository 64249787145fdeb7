// The user compensation of an axis in parts per million, as the engineer reads and enters it: a
// percentage (100 means uncorrected), or, on the 100 mm test cut, the measured length in mm.
#pragma once

#include <cstdint>

double PercentFromPpm(int32_t ppm);

// (percent - 100) x 10000, rounded to the nearest ppm: a typed 100.1 is held as
// 100.099999999999994 and its product is 999.99999999994, which must still store 1000. Values
// beyond the 32-bit range are held at its ends.
int32_t PpmFromPercent(double percent);
