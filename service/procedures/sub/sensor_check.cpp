#include "sensor_check.h"

#include "../../status/input_word.h"
#include "../../status/job_readiness.h"
#include "../../status/status_word.h"

namespace {

const int kLimitBits[3] = {input_word::kXLimitBit, input_word::kYLimitBit, input_word::kZLimitBit};

const int kSensorTargets[3] = {travel::kXSensor, travel::kYSensor, travel::kZSensor};

const char* const kSensorNames[kSensorCount] = {"X limit", "Y limit", "Z limit", "cover"};

const char* const kCheckedLines[kSensorCount] = {
    "X limit sensor was checked\r\n", "Y limit sensor was checked\r\n",
    "Z limit sensor was checked\r\n", "Cover sensor was checked\r\n"};

}  // namespace

void CSensorCheck::Start() {
  step_ = 0;
  report_.clear();
  for (int i = 0; i < kSensorCount; ++i) {
    level_[i] = 0;
    changes_[i] = 0;
    checked_[i] = 0;
    levelText_[i] = "---";
  }
  finished_ = false;
  started_ = true;
}

std::string CSensorCheck::OutcomeText() const {
  if (!started_) return "Sensor check not run: Start was not pressed";
  if (finished_) return "Sensor check finished: all sensors checked";
  std::string unchecked;
  for (int sensor = 0; sensor < kSensorCount; ++sensor) {
    if (checked_[sensor]) continue;
    if (!unchecked.empty()) unchecked += ", ";
    unchecked += kSensorNames[sensor];
  }
  if (unchecked.empty()) return "Sensor check ended before its last step: all sensors checked";
  return "Sensor check ended unfinished: not checked: " + unchecked;
}

bool CSensorCheck::Tick() {
  ReadSensors();
  const bool completed = PerformStep();
  ReportChecked();
  return completed;
}

void CSensorCheck::ReadSensors() {
  const int word = machine_.GetInputState();
  // A failed read sets every bit: taken as levels it would count changes no sensor made.
  if (!input_word::WasRead(word)) return;
  for (int axis = kSensorX; axis <= kSensorZ; ++axis) {
    const bool on = (word & kLimitBits[axis]) != 0;
    SeeLevel(axis, on ? 1 : 0, on ? "ON" : "---");
  }
  const bool closed = (word & input_word::kCoverClosedBit) != 0;
  SeeLevel(kSensorCover, closed ? 0 : 1, closed ? "CLOSE" : "OPEN");
}

void CSensorCheck::SeeLevel(int sensor, int level, const char* text) {
  if (level_[sensor] != level) ++changes_[sensor];
  level_[sensor] = level;
  levelText_[sensor] = text;
}

bool CSensorCheck::PerformStep() {
  bool advance = false;
  switch (step_) {
    case 0: case 2: case 4: {
      const int axis = step_ / 2;
      advance = machine_.MoveAxis(axis, kSensorTargets[axis], kMoveSpeed, kMoveCurrent);
      break;
    }
    case 1: case 3: case 5:
      advance = IsMachineIdle();
      break;
    case 6:
      advance = machine_.MoveTo(ParkPosition, kMoveSpeed);
      break;
    case 7:
      report_ += "\r\nOpen and close the cover\r\n";
      advance = true;
      break;
    default: {
      const bool allChecked = checked_[0] && checked_[1] && checked_[2] && checked_[3];
      if (!allChecked || finished_) return false;
      report_ += "\r\n\r\nFinished Sensor Check\r\n";
      finished_ = true;
      return true;
    }
  }
  if (advance) ++step_;
  return false;
}

bool CSensorCheck::IsMachineIdle() {
  MachineStatus status{};
  if (!machine_.ReadStatus(status)) return false;
  return status_word::StateOf(status.stateWord) == status_word::kStateReady &&
         !status_word::IsMoving(status.stateWord);
}

void CSensorCheck::ReportChecked() {
  for (int sensor = 0; sensor < kSensorCount; ++sensor) {
    if (changes_[sensor] < 2 || checked_[sensor]) continue;
    report_ += kCheckedLines[sensor];
    checked_[sensor] = 1;
  }
}
