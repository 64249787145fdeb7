// The emulators as hvx40ctl --simulator finds them: every emulator running in this Windows
// session, each named by its device name, several side by side. Each is opened by that name,
// so that its own block, events and lock are used and no other machine is touched.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../service/devices/device_access.h"

class CEmulatorAccess : public CDeviceAccess {
 public:
  // running lists the device names of the running emulators; false when they cannot be listed.
  using RunningList = std::function<bool(std::vector<std::string>& names)>;
  explicit CEmulatorAccess(RunningList running) : running_(std::move(running)) {}

  // In name order; with none running, the model string's machine, the one the library
  // connects by default, so that a connection fails with the emulator named.
  bool ListMachines(std::vector<std::string>& names) override;
  bool Open(CHVXController& controller, const std::string& name) override;

 private:
  RunningList running_;
};
