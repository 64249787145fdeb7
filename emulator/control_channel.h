// The text commands through which tests, scripts and the window's buttons drive the emulator:
//   cover open | cover close
//   sensor x|y|z on|off             hold a limit sensor on by hand, or let it follow the axis
//   load x|y|z <percent>            least motor current with which the axis does not stall
//   position <x> <y> <z>            put the axes there at once (micrometres)
//   fault noack|error|shortreply|bulkstop|busy|offline|blocked on|off
//   present on|off                  the device-present bit
//   report-size <n> | restart
//   journal <file> | journal off
//   dump <file>                     the state as key=value lines
//   quit
#pragma once

#include <string>

#include "machine_model.h"
#include "server_switches.h"

enum class ControlResult { kDone, kFailed, kQuit };

class CControlChannel {
 public:
  CControlChannel(CMachineModel& machine, CServerSwitches& server)
      : machine_(machine), server_(server) {}

  ControlResult Execute(const std::string& line);

 private:
  bool Cover(const std::string& word);
  bool Sensor(const std::string& axis, const std::string& word);
  bool Load(const std::string& axis, const std::string& percent);
  bool Position(const std::string& rest);
  bool Fault(const std::string& name, const std::string& word);
  bool Journal(const std::string& rest);

  CMachineModel& machine_;
  CServerSwitches& server_;
};
