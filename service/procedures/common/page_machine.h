// The machine as the pages see it: the few wrapper operations they use, each asked of the
// wrapper that is current at the moment of the call. A long test pumps window messages between
// its commands, and the device manager may replace the wrapper meanwhile, so no page keeps a
// wrapper across a wait. Without a wrapper every operation fails as an unbound one does.
#pragma once

#include <cstdint>
#include <string>

#include "../../../library/api/hvx40_types.h"
#include "../../seams/window_seams.h"

class CHVXController;

struct MachineStatus {
  uint32_t stateWord;
  uint32_t handshakeWord;
};

class CPageMachine {
 public:
  explicit CPageMachine(ControllerSource source) : source_(source) {}

  // False when the status could not be read; status is then left as it was.
  bool ReadStatus(MachineStatus& status);
  bool GetCurrentPosition(AxisVector& position);
  bool MoveTo(const AxisVector& target, int speed);
  // A single-axis move of X, Y or Z (kAxisX..kAxisZ) with the motor current in percent.
  bool MoveAxis(int axis, int target, int speed, int currentPercent);
  // The input word; -1 when the read fails or there is no wrapper, 0 from an unbound one.
  int GetInputState();
  bool StopMotion();
  bool SetSpindleSpeed(int rpm);
  bool GetUserCompensation(int& x, int& y, int& z);
  bool SetUserCompensation(int x, int y, int z);
  bool OutputFile(const std::string& path, const std::string& jobName);
  // The name GetDeviceNameAt reports for index 1; empty when there is none.
  std::string DeviceName();

  // The job guard of the long tests: false when the status was read and the machine is not
  // ready for a job. A status that cannot be read does not stop a test.
  bool MayStartJob();

 private:
  ControllerSource source_;
};
