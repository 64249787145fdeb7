#include "run_settings.h"

#include <cctype>

#include "../service/procedures/axis/current_list.h"

namespace {

const char kCurrent[] = "--current";
const char kAxis[] = "--axis";
const char kCycles[] = "--cycles";
const char kMinutes[] = "--minutes";
const char kSpindle[] = "--spindle";

const SettingSpec kSettings[] = {
    {kCurrent, true}, {kAxis, true}, {kCycles, true}, {kMinutes, true}, {kSpindle, false},
};

// A week of ageing is far beyond any rack run; larger counts are typing errors.
constexpr long kMostCycles = 1000000;
constexpr long kMostMinutes = 7 * 24 * 60;

const std::string* Setting(const CliRequest& request, const char* name) {
  auto found = request.settings.find(name);
  return found == request.settings.end() ? nullptr : &found->second;
}

// A whole number from 1 to most, digits only.
bool ReadCount(const std::string& text, long most, int& value) {
  if (text.empty() || text.size() > 9) return false;
  long number = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    number = number * 10 + (c - '0');
  }
  if (number < 1 || number > most) return false;
  value = static_cast<int>(number);
  return true;
}

std::string Upper(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace

const SettingSpec* FindSetting(const std::string& name) {
  for (const SettingSpec& setting : kSettings) {
    if (name == setting.name) return &setting;
  }
  return nullptr;
}

bool UsageNames(const char* usage, const std::string& name) {
  if (usage == nullptr) return false;
  const std::string text = usage;
  for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
    const size_t end = at + name.size();
    if (end == text.size() || !(std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-')) {
      return true;
    }
  }
  return false;
}

// The page offers the same currents for every axis, so the list of X is the list.
std::string ReadLoadCheckSettings(const CliRequest& request, LoadCheckSettings& settings) {
  settings = LoadCheckSettings();
  if (const std::string* current = Setting(request, kCurrent)) {
    bool offered = false;
    for (const std::string& entry : CurrentEntriesFor("X")) {
      if (*current + "%" == entry) offered = true;
    }
    if (!offered) return "--current must be one of 50, 70 or 100 (percent)";
    settings.current = LeadingPercent(*current);
  }
  if (const std::string* axis = Setting(request, kAxis)) {
    const std::string name = Upper(*axis);
    if (name != "X" && name != "Y" && name != "Z") return "--axis must be x, y or z";
    settings.axes = {name};
  } else {
    settings.axes = {"X", "Y", "Z"};
  }
  return std::string();
}

std::string ReadAgeingSettings(const CliRequest& request, AgeingSettings& settings) {
  settings = AgeingSettings();
  const std::string* cycles = Setting(request, kCycles);
  const std::string* minutes = Setting(request, kMinutes);
  if ((cycles == nullptr) == (minutes == nullptr)) {
    return "ageing needs its end: either --cycles N or --minutes M";
  }
  if (cycles != nullptr && !ReadCount(*cycles, kMostCycles, settings.cycles)) {
    return "--cycles must be a whole number from 1 to " + std::to_string(kMostCycles);
  }
  if (minutes != nullptr && !ReadCount(*minutes, kMostMinutes, settings.minutes)) {
    return "--minutes must be a whole number from 1 to " + std::to_string(kMostMinutes);
  }
  settings.spindle = Setting(request, kSpindle) != nullptr;
  return std::string();
}

std::string RefuseLoadCheckSettings(const CliRequest& request) {
  LoadCheckSettings settings;
  return ReadLoadCheckSettings(request, settings);
}

std::string RefuseAgeingSettings(const CliRequest& request) {
  AgeingSettings settings;
  return ReadAgeingSettings(request, settings);
}
