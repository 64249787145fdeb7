// The guided sensor check: one step per 300 ms tick drives each axis onto its limit sensor, then
// asks for the cover to be opened and closed. A sensor counts as checked once it has been seen to
// change level twice (on and off again).
#pragma once

#include <string>

#include "../common/page_machine.h"

enum SensorIndex { kSensorX = 0, kSensorY = 1, kSensorZ = 2, kSensorCover = 3, kSensorCount = 4 };

class CSensorCheck {
 public:
  static constexpr int kMoveSpeed = 500;
  static constexpr int kMoveCurrent = 100;

  explicit CSensorCheck(CPageMachine& machine) : machine_(machine) {}

  // Starts (or restarts) from step 0 with nothing seen and an empty report: a new run shows
  // nothing of the previous one.
  void Start();
  // One tick: reads the sensors, performs the current step, reports newly checked sensors.
  // True when this tick completed the check; the timer is then to be stopped.
  bool Tick();

  int Step() const { return step_; }
  const std::string& Report() const { return report_; }
  // "ON"/"---" for the limits, "OPEN"/"CLOSE" for the cover; "---" before the first tick.
  const std::string& LevelText(int sensor) const { return levelText_[sensor]; }
  bool Checked(int sensor) const { return checked_[sensor] != 0; }
  unsigned Changes(int sensor) const { return changes_[sensor]; }
  // The log's verdict: finished, or which sensors were left unchecked (or that it never ran).
  std::string OutcomeText() const;

 private:
  void ReadSensors();
  void SeeLevel(int sensor, int level, const char* text);
  bool PerformStep();
  bool IsMachineIdle();
  void ReportChecked();

  CPageMachine& machine_;
  int step_ = 0;
  std::string report_;
  int level_[kSensorCount] = {};
  unsigned changes_[kSensorCount] = {};
  int checked_[kSensorCount] = {};
  std::string levelText_[kSensorCount] = {"---", "---", "---", "---"};
  bool finished_ = false;
  bool started_ = false;
};
