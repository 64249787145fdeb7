// The emulator's state as key=value pairs: written to a file for tests ("dump <file>") and shown
// in the window.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "machine_model.h"
#include "server_switches.h"

using StateEntries = std::vector<std::pair<std::string, std::string>>;

StateEntries DescribeState(const CMachineModel& machine, const CServerSwitches& server);
// One "key=value" line per entry; false when the file cannot be written.
bool WriteStateDump(const StateEntries& entries, const std::string& path);
// The few lines the window shows: positions, sensors, cover, spindle, state and update phase.
std::string DisplayText(const CMachineModel& machine, const CServerSwitches& server);
