#include "machine_motion.h"

#include <algorithm>
#include <iterator>

const AxisRange kTravel[kLinearAxes] = {{0, 203200}, {0, 152400}, {-60500, 0}};
const int32_t kSensorPoint[kLinearAxes] = {-2500, 154900, 2500};
const AxisRange kSensorReach[kLinearAxes] = {{kSensorPoint[0], kTravel[0].high},
                                             {kTravel[1].low, kSensorPoint[1]},
                                             {kTravel[2].low, kSensorPoint[2]}};

namespace {

int32_t Clamp(int32_t value, const AxisRange& range) {
  return std::min(std::max(value, range.low), range.high);
}

// The X sensor lies at the low end of its axis, the Y and Z sensors at the high end.
bool SensorReached(int axis, int32_t position) {
  return axis == 0 ? position <= kSensorPoint[0] : position >= kSensorPoint[axis];
}

}  // namespace

uint32_t CMachineMotion::Rate(uint16_t speed) const {
  double rate = static_cast<double>(speed) * kRatePerSpeedUnit * rateScale_;
  return rate < 1.0 ? 1u : static_cast<uint32_t>(rate);
}

void CMachineMotion::MoveTo(const int32_t target[kVectorValues], uint16_t speed) {
  uint32_t now = clock_.TickCount();
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    stalled_[axis] = false;
    axes_[axis].Start(now, Clamp(target[axis], kTravel[axis]), Rate(speed));
  }
  std::copy(target + kLinearAxes, target + kVectorValues, rotary_);
}

void CMachineMotion::MoveAxis(int axis, int32_t target, uint16_t speed, uint16_t currentPercent) {
  uint32_t now = clock_.TickCount();
  int32_t from = axes_[axis].Position(now);
  int32_t end = Clamp(target, kSensorReach[axis]);
  stalled_[axis] = currentPercent < minimumCurrent_[axis] && end != from;
  if (stalled_[axis]) end = from + (end - from) / 2;
  axes_[axis].Start(now, end, Rate(speed));
}

void CMachineMotion::Stop() {
  uint32_t now = clock_.TickCount();
  for (CAxisMotion& axis : axes_) axis.Stop(now);
}

void CMachineMotion::Place(const int32_t position[kLinearAxes]) {
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    axes_[axis].Place(position[axis]);
    stalled_[axis] = false;
  }
}

bool CMachineMotion::Moving() const {
  uint32_t now = clock_.TickCount();
  for (const CAxisMotion& axis : axes_) {
    if (axis.Moving(now)) return true;
  }
  return false;
}

void CMachineMotion::Position(int32_t out[kVectorValues]) const {
  for (int axis = 0; axis < kLinearAxes; ++axis) out[axis] = Position(axis);
  std::copy(std::begin(rotary_), std::end(rotary_), out + kLinearAxes);
}

int32_t CMachineMotion::Position(int axis) const {
  return axes_[axis].Position(clock_.TickCount());
}

uint32_t CMachineMotion::SensorBits() const {
  uint32_t bits = 0;
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    if (forced_[axis] || SensorReached(axis, Position(axis))) bits |= 1u << axis;
  }
  return bits;
}
