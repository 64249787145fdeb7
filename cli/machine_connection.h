// Finding and opening the machine a command works on: the service library loaded, the machines
// listed, the one named with --machine (or the only one) connected, and its state checked as
// the tool's main window checks it before it enables its controls.
#pragma once

#include <string>
#include <vector>

#include "../service/devices/device_access.h"
#include "command_catalog.h"
#include "outcome.h"

// The machine to use among those attached: the one requested (letter case ignored, as Windows
// names printer queues), or the only one when none was requested.
CommandOutcome ChooseMachine(const std::vector<std::string>& names, const std::string& requested,
                             std::string& chosen);

struct ConnectedMachine {
  std::string name;    // the printer queue, or the model string for the emulator
  std::string serial;  // empty when it could not be read
};

class CMachineConnection {
 public:
  CMachineConnection(CDeviceAccess& access, bool simulator) : access_(access), simulator_(simulator) {}

  // Loads the library (a wrapper in controller_holder), chooses and opens the machine, and
  // checks its status as the command needs. On failure nothing was changed on the machine;
  // loadProblem tells why a library could not be loaded (the tool's own texts).
  CommandOutcome Open(const std::string& requested, Connection need, const std::string& loadProblem);
  const ConnectedMachine& Machine() const { return machine_; }

 private:
  CommandOutcome CheckState(Connection need);

  CDeviceAccess& access_;
  bool simulator_;
  ConnectedMachine machine_;
};
