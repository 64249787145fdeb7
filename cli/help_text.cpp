#include "help_text.h"

#include "command_catalog.h"
#include "exit_codes.h"

namespace {

const char kOptionsHelp[] =
    "Options (before or after the command):\n"
    "  --machine NAME  the machine (printer queue) to use; needed when more than one is attached\n"
    "  --simulator     use the machine emulator instead of USB\n"
    "  --json          one JSON object on standard output with the result\n"
    "  --quiet         nothing on standard output or progress unless --json; failures still\n"
    "                  give one line on standard error\n"
    "  --yes           confirm a command that destroys stored data\n"
    "  --help          this text; COMMAND --help explains the command\n";

const char kLogHelp[] =
    "Every command is recorded in the service tool's log files, each line naming the machine's\n"
    "queue and serial number.\n";

std::string Usage(const CommandSpec& entry) {
  std::string usage = std::string("  hvx40ctl [options] ") + entry.name;
  if (entry.operand != nullptr) usage += std::string(" ") + entry.operand;
  if (entry.settings != nullptr) usage += std::string(" ") + entry.settings;
  return usage;
}

std::string CommandList(const std::string& group) {
  std::string list;
  for (const CommandSpec& entry : Commands()) {
    const std::string name = entry.name;
    if (!group.empty() && name.compare(0, group.size() + 1, group + " ") != 0) continue;
    std::string line = Usage(entry);
    // A usage too long for the column puts its summary on the next line.
    if (line.size() >= 44) line += "\n";
    line.resize(line.size() < 44 ? 44 : line.size() + 44, ' ');
    list += line + entry.summary + "\n";
  }
  return list;
}

std::string Overview() {
  return "hvx40ctl: the HVX-40 service commands for scripts.\n\nCommands:\n" + CommandList("") +
         "\n" + kOptionsHelp + "\n" + kLogHelp + "\n" + ExitCodeHelp();
}

}  // namespace

std::string HelpText(const std::string& command) {
  if (command.empty()) return Overview();
  if (IsCommandGroup(command)) {
    return "Usage:\n" + CommandList(command) + "\n" + kOptionsHelp + "\n" + ExitCodeHelp();
  }
  const CommandSpec* entry = FindCommand(command);
  if (entry == nullptr) return Overview();
  return "Usage:\n" + Usage(*entry) + "\n\n" + entry->summary + ".\n" + entry->details + "\n" +
         kOptionsHelp + "\n" + kLogHelp + "\n" + ExitCodeHelp();
}
