#include "axis_motion.h"

#include <cstdlib>

int32_t CAxisMotion::Position(uint32_t nowMs) const {
  int64_t distance = static_cast<int64_t>(to_) - from_;
  // The tick counter wraps, so the elapsed time is the unsigned difference.
  int64_t travelled = static_cast<int64_t>(rate_) * static_cast<uint32_t>(nowMs - startMs_) / 1000;
  if (travelled >= std::llabs(distance)) return to_;
  return static_cast<int32_t>(from_ + (distance < 0 ? -travelled : travelled));
}

bool CAxisMotion::Moving(uint32_t nowMs) const { return Position(nowMs) != to_; }

void CAxisMotion::Start(uint32_t nowMs, int32_t endPoint, uint32_t rateUmPerS) {
  from_ = Position(nowMs);
  to_ = endPoint;
  startMs_ = nowMs;
  rate_ = rateUmPerS == 0 ? 1 : rateUmPerS;
}

void CAxisMotion::Stop(uint32_t nowMs) { Place(Position(nowMs)); }

void CAxisMotion::Place(int32_t position) {
  from_ = position;
  to_ = position;
}
