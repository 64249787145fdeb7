// The options of the commands that run the Axis page's long tests, and what they mean. The
// parser, the help and the commands all read them from here.
#pragma once

#include <string>
#include <vector>

#include "cli_request.h"

struct SettingSpec {
  const char* name;  // "--current"
  bool takesValue;   // false for a switch (--spindle)
};

// The option of that name, or null.
const SettingSpec* FindSetting(const std::string& name);
// Whether a command's option text ("[--current 50|70|100] [--axis x|y|z]") names the option.
bool UsageNames(const char* usage, const std::string& name);

struct LoadCheckSettings {
  int current = 50;               // percent, one of the page's list
  std::vector<std::string> axes;  // "X", "Y", "Z" in the order checked
};

struct AgeingSettings {
  int cycles = 0;   // the run's end: after so many cycles ...
  int minutes = 0;  // ... or at the first return to park after so many minutes
  bool spindle = false;
};

// Each gives the reason the options are refused, or empty when they are good.
std::string ReadLoadCheckSettings(const CliRequest& request, LoadCheckSettings& settings);
std::string ReadAgeingSettings(const CliRequest& request, AgeingSettings& settings);
std::string RefuseLoadCheckSettings(const CliRequest& request);
std::string RefuseAgeingSettings(const CliRequest& request);
