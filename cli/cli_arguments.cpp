#include "cli_arguments.h"

#include "command_catalog.h"
#include "run_settings.h"

namespace {

const char kMachineOption[] = "--machine";

// Sets the flag that the option names; false when it names none.
bool TakeSwitch(const std::string& word, CliRequest& request) {
  if (word == "--simulator") return request.simulator = true;
  if (word == "--json") return request.json = true;
  if (word == "--quiet") return request.quiet = true;
  if (word == "--yes") return request.yes = true;
  if (word == "--help" || word == "-h" || word == "/?") return request.help = true;
  return false;
}

bool IsOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

// A command's own option, as "--cycles 5" or "--cycles=5"; false when the word names none.
bool TakeSetting(const std::vector<std::string>& args, size_t& i, CliRequest& request,
                 std::string& error) {
  const std::string& word = args[i];
  const size_t equals = word.find('=');
  const SettingSpec* setting = FindSetting(word.substr(0, equals));
  if (setting == nullptr) return false;
  std::string value;
  if (!setting->takesValue) {
    if (equals != std::string::npos) error = setting->name + std::string(" takes no value");
  } else if (equals != std::string::npos) {
    value = word.substr(equals + 1);
  } else if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    error = setting->name + std::string(" needs a value");
  }
  request.settings[setting->name] = value;
  return true;
}

// Splits options from words; false on an unknown option or a --machine without its name.
bool SplitOptions(const std::vector<std::string>& args, CliRequest& request,
                  std::vector<std::string>& words, std::string& error) {
  const std::string machineEquals = std::string(kMachineOption) + "=";
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || !IsOption(word)) {
      if (!optionsEnded && word == "/?") {
        request.help = true;
        continue;
      }
      words.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == kMachineOption) {
      if (i + 1 >= args.size()) {
        error = "--machine needs the machine's name";
        return false;
      }
      request.machine = args[++i];
    } else if (word.compare(0, machineEquals.size(), machineEquals) == 0) {
      request.machine = word.substr(machineEquals.size());
    } else if (TakeSetting(args, i, request, error)) {
      if (!error.empty()) return false;
    } else if (!TakeSwitch(word, request)) {
      error = "unknown option " + word;
      return false;
    }
  }
  return true;
}

// The command's name from the first words; the rest are its operands.
bool TakeCommand(std::vector<std::string>& words, CliRequest& request, std::string& error) {
  if (words.empty()) return true;
  std::string name = words.front();
  words.erase(words.begin());
  if (IsCommandGroup(name)) {
    if (words.empty()) {
      if (request.help) {
        request.command = name;
        return true;
      }
      error = name + " needs one of: get, put, clear-user, clear-all";
      return false;
    }
    name += " " + words.front();
    words.erase(words.begin());
  }
  if (FindCommand(name) == nullptr) {
    error = "unknown command " + name;
    return false;
  }
  request.command = name;
  request.operands = words;
  return true;
}

bool CheckSettings(const CommandSpec& command, const CliRequest& request, std::string& error) {
  for (const auto& setting : request.settings) {
    if (UsageNames(command.settings, setting.first)) continue;
    error = setting.first + " is no option of " + request.command;
    return false;
  }
  if (command.refuseSettings != nullptr) error = command.refuseSettings(request);
  return error.empty();
}

bool CheckOperands(const CliRequest& request, std::string& error) {
  const CommandSpec& command = *FindCommand(request.command);
  const size_t wanted = command.operand != nullptr ? 1 : 0;
  if (request.operands.size() < wanted) {
    error = request.command + " needs " + command.operand;
  } else if (request.operands.size() > wanted) {
    error = request.command + " takes no further operand: " + request.operands[wanted];
  } else if (command.refuseOperand != nullptr && command.refuseOperand(request.operands.front())) {
    error = command.refuseOperand(request.operands.front());
  } else if (command.needsYes && !request.yes) {
    error = request.command + " destroys stored data and runs only with --yes";
  } else {
    return CheckSettings(command, request, error);
  }
  return false;
}

}  // namespace

bool ParseArguments(const std::vector<std::string>& args, CliRequest& request, std::string& error) {
  std::vector<std::string> words;
  if (!SplitOptions(args, request, words, error)) return false;
  if (!TakeCommand(words, request, error)) return false;
  if (request.help) return true;
  if (request.command.empty()) {
    error = "no command given (hvx40ctl --help lists them)";
    return false;
  }
  return CheckOperands(request, error);
}
