// The three linear axes of the machine, their limit sensors and the motor load.
//
// Ordinary moves stay inside the travel (X 0..203200, Y 0..152400, Z -60500..0). Single-axis
// moves may leave it on the sensor side: each axis has its limit sensor 2.5 mm past the end of
// travel (X at -2500, Y at 154900, Z at +2500) and stops there. A single-axis move driven with
// less motor current than the axis needs stalls half-way and never reaches the sensor.
#pragma once

#include <cstdint>

#include "axis_motion.h"
#include "clock.h"

constexpr int kLinearAxes = 3;
constexpr int kVectorValues = 6;

struct AxisRange {
  int32_t low;
  int32_t high;
};

// Travel of ordinary moves, and the stretch a single-axis move may cover up to the sensor.
extern const AxisRange kTravel[kLinearAxes];
extern const AxisRange kSensorReach[kLinearAxes];
// Where each limit sensor switches on.
extern const int32_t kSensorPoint[kLinearAxes];

// Rate of a move: the speed field times this many micrometres per second. A "High Speed" jog
// (speed 10000) then crosses X in about two seconds and a 100 um step at speed 100 takes 100 ms.
constexpr uint32_t kRatePerSpeedUnit = 10;
constexpr int kDefaultMinimumCurrent = 50;  // percent

class CMachineMotion {
 public:
  // The machine starts at X 0, Y 0, Z 0.
  explicit CMachineMotion(CClock& clock) : clock_(clock) {}

  // Moves all axes towards the target, X, Y and Z clamped to the travel; the last three values
  // are taken over at once.
  void MoveTo(const int32_t target[kVectorValues], uint16_t speed);
  void MoveAxis(int axis, int32_t target, uint16_t speed, uint16_t currentPercent);
  void Stop();
  // Puts the axes there at once (a hand-set position for tests and demonstrations).
  void Place(const int32_t position[kLinearAxes]);

  bool Moving() const;
  void Position(int32_t out[kVectorValues]) const;
  int32_t Position(int axis) const;
  // Bits 0, 1, 2: the X, Y and Z limit sensors.
  uint32_t SensorBits() const;
  bool stalled(int axis) const { return stalled_[axis]; }

  // A sensor held on by hand, whatever the axis position.
  void ForceSensor(int axis, bool on) { forced_[axis] = on; }
  bool sensorForced(int axis) const { return forced_[axis]; }
  void SetMinimumCurrent(int axis, int percent) { minimumCurrent_[axis] = percent; }
  int minimumCurrent(int axis) const { return minimumCurrent_[axis]; }
  // Scales every rate, so that long tests can run the machine faster.
  void SetRateScale(double scale) { rateScale_ = scale > 0 ? scale : 1.0; }
  double rateScale() const { return rateScale_; }

 private:
  uint32_t Rate(uint16_t speed) const;

  CClock& clock_;
  CAxisMotion axes_[kLinearAxes];
  int32_t rotary_[kVectorValues - kLinearAxes] = {0, 0, 0};
  bool stalled_[kLinearAxes] = {false, false, false};
  bool forced_[kLinearAxes] = {false, false, false};
  int minimumCurrent_[kLinearAxes] = {kDefaultMinimumCurrent, kDefaultMinimumCurrent,
                                      kDefaultMinimumCurrent};
  double rateScale_ = 1.0;
};
