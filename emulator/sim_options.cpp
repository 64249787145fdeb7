#include "sim_options.h"

#include <cstdlib>

const char kDefaultDeviceName[] = "Varnel HVX-40";

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  std::string current;
  bool quoted = false;
  bool any = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) args.push_back(current);
      current.clear();
      any = false;
    } else {
      current.push_back(c);
      any = true;
    }
  }
  if (any) args.push_back(current);
  return args;
}

namespace {

template <typename Faults>
struct NamedFault {
  const char* name;
  bool Faults::*flag;
};

template <typename Faults, size_t N>
bool SetNamed(const NamedFault<Faults> (&named)[N], const std::string& name, bool on,
              Faults& faults) {
  for (const NamedFault<Faults>& fault : named) {
    if (name == fault.name) {
      faults.*fault.flag = on;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SetFaultByName(const std::string& name, bool on, MachineFaults& faults,
                    ServerFaults& serverFaults) {
  static const NamedFault<MachineFaults> kMachineFaults[] = {
      {"error", &MachineFaults::errorOnNextCommand}, {"shortreply", &MachineFaults::shortReplies},
      {"bulkstop", &MachineFaults::bulkStops},       {"busy", &MachineFaults::busyForever},
      {"offline", &MachineFaults::offline},          {"blocked", &MachineFaults::jobBlocked},
  };
  static const NamedFault<ServerFaults> kServerFaults[] = {
      {"noack", &ServerFaults::noAcknowledge},
      {"lateack", &ServerFaults::lateAcknowledge},
      {"notready", &ServerFaults::bulkOutHeld},
  };
  return SetNamed(kMachineFaults, name, on, faults) ||
         SetNamed(kServerFaults, name, on, serverFaults);
}

namespace {

const char* const kValuedOptions[] = {"journal",      "name",         "send",       "fault",
                                      "report-size",  "update-ms",    "motion-scale",
                                      "min-current"};

bool TakesValue(const std::string& name) {
  for (const char* valued : kValuedOptions) {
    if (name == valued) return true;
  }
  return false;
}

bool ParseNumber(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && end && *end == '\0';
}

// The options that take a number, with the range they accept.
bool ParseNumericOption(const std::string& name, const std::string& text, SimOptions& options) {
  double value = 0;
  if (!ParseNumber(text, value) || value < 0) return false;
  if (name == "report-size" && value <= 256.0 * 1024 * 1024) {
    options.machine.reportSize = static_cast<size_t>(value);
  } else if (name == "update-ms" && value >= 1 && value <= 600000) {
    options.machine.updateMs = static_cast<uint32_t>(value);
  } else if (name == "motion-scale" && value > 0 && value <= 1000) {
    options.machine.rateScale = value;
  } else if (name == "min-current" && value <= 100) {
    options.minimumCurrent = static_cast<int>(value);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name = arg.size() > 1 && (arg[0] == '/' || arg[0] == '-') ? arg.substr(1) : "";
    bool hasValue = i + 1 < args.size();
    if (name == "swap") {
      options.machine.bigEndian = true;
    } else if (name == "cover-open") {
      options.coverOpen = true;
    } else if (name == "absent") {
      options.absent = true;
    } else if (name == "journal-ms") {
      options.journalStamps = true;
    } else if (TakesValue(name) && !hasValue) {
      error = "option " + arg + " needs a value";
      return false;
    } else if (name == "journal") {
      options.journalPath = args[++i];
    } else if (name == "name") {
      options.deviceName = args[++i];
    } else if (name == "send") {
      options.send = true;
      options.sendCommand = args[++i];
    } else if (name == "fault") {
      if (!SetFaultByName(args[++i], true, options.faults, options.serverFaults)) {
        error = "unknown fault " + args[i];
        return false;
      }
    } else if (TakesValue(name)) {
      if (!ParseNumericOption(name, args[++i], options)) {
        error = "bad value " + args[i] + " for " + arg;
        return false;
      }
    } else {
      error = "unknown option " + arg;
      return false;
    }
  }
  return true;
}
