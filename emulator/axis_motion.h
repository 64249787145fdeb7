// One linear axis: a position in micrometres that travels towards its end point at a constant
// rate. The position is worked out from the move's start time, so it does not drift however
// often or seldom it is looked at.
#pragma once

#include <cstdint>

class CAxisMotion {
 public:
  int32_t Position(uint32_t nowMs) const;
  bool Moving(uint32_t nowMs) const;
  int32_t endPoint() const { return to_; }

  // Starts from wherever the axis is now; a rate of 0 is taken as 1 micrometre per second.
  void Start(uint32_t nowMs, int32_t endPoint, uint32_t rateUmPerS);
  void Stop(uint32_t nowMs);
  void Place(int32_t position);

 private:
  int32_t from_ = 0;
  int32_t to_ = 0;
  uint32_t startMs_ = 0;
  uint32_t rate_ = 1;
};
