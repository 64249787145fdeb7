#include "control_channel.h"

#include <cstdlib>
#include <sstream>

#include "sim_options.h"
#include "state_dump.h"

namespace {

// "on" or "off"; anything else is not a switch position.
bool ParseSwitch(const std::string& word, bool& on) {
  on = word == "on";
  return on || word == "off";
}

int AxisIndex(const std::string& name) {
  if (name == "x") return 0;
  if (name == "y") return 1;
  if (name == "z") return 2;
  return -1;
}

bool ParseInteger(const std::string& text, long long& value) {
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 10);
  return !text.empty() && end && *end == '\0';
}

// What follows the command word, with the one separating blank removed; paths keep theirs.
std::string Rest(const std::string& line, const std::string& command) {
  return line.size() > command.size() + 1 ? line.substr(command.size() + 1) : "";
}

}  // namespace

ControlResult CControlChannel::Execute(const std::string& line) {
  std::istringstream words(line);
  std::string command, first, second;
  words >> command >> first >> second;
  bool done = false;
  if (command == "quit") return ControlResult::kQuit;
  if (command == "cover") done = Cover(first);
  if (command == "sensor") done = Sensor(first, second);
  if (command == "load") done = Load(first, second);
  if (command == "position") done = Position(Rest(line, command));
  if (command == "fault") done = Fault(first, second);
  if (command == "present") {
    bool on = false;
    done = ParseSwitch(first, on);
    if (done) server_.SetPresent(on);
  }
  if (command == "report-size") {
    long long size = 0;
    done = ParseInteger(first, size) && size >= 0;
    if (done) machine_.SetReportSize(static_cast<size_t>(size));
  }
  if (command == "restart") {
    machine_.Restart();
    done = true;
  }
  if (command == "journal") done = Journal(Rest(line, command));
  if (command == "dump") done = WriteStateDump(DescribeState(machine_, server_), Rest(line, command));
  return done ? ControlResult::kDone : ControlResult::kFailed;
}

bool CControlChannel::Cover(const std::string& word) {
  if (word != "open" && word != "close") return false;
  machine_.SetCoverOpen(word == "open");
  return true;
}

bool CControlChannel::Sensor(const std::string& axis, const std::string& word) {
  bool on = false;
  if (AxisIndex(axis) < 0 || !ParseSwitch(word, on)) return false;
  machine_.motion().ForceSensor(AxisIndex(axis), on);
  return true;
}

bool CControlChannel::Load(const std::string& axis, const std::string& percent) {
  long long value = 0;
  if (AxisIndex(axis) < 0 || !ParseInteger(percent, value) || value < 0 || value > 1000) {
    return false;
  }
  machine_.motion().SetMinimumCurrent(AxisIndex(axis), static_cast<int>(value));
  return true;
}

bool CControlChannel::Position(const std::string& rest) {
  std::istringstream words(rest);
  std::string text[kLinearAxes];
  int32_t position[kLinearAxes];
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    long long value = 0;
    if (!(words >> text[axis]) || !ParseInteger(text[axis], value)) return false;
    position[axis] = static_cast<int32_t>(value);
  }
  machine_.motion().Place(position);
  return true;
}

bool CControlChannel::Fault(const std::string& name, const std::string& word) {
  bool on = false;
  ServerFaults serverFaults = server_.faults();
  if (!ParseSwitch(word, on) || !SetFaultByName(name, on, machine_.faults(), serverFaults)) {
    return false;
  }
  server_.SetFaults(serverFaults);
  return true;
}

bool CControlChannel::Journal(const std::string& rest) {
  if (rest == "off") {
    machine_.journal().Close();
    return true;
  }
  return !rest.empty() && machine_.journal().Open(rest);
}
