#include "command_catalog.h"

#include "../tool/pages/info/serial_write.h"
#include "commands.h"

namespace {

const char kParamsGroup[] = "params";

const char* RefuseSerial(const std::string& value) {
  return value.size() == CSerialWrite::kSerialLength ? nullptr : kSerialLengthText;
}

}  // namespace

const std::vector<CommandSpec>& Commands() {
  static const std::vector<CommandSpec> commands = {
      {"list", nullptr, false, false, Connection::kNone,
       "the attached machines (printer queues), one a line",
       "Each machine is named by its printer queue; give that name to --machine. With --json each\n"
       "machine also carries its state: \"ready\" when it answered, \"offline\" when not.\n",
       RunList, nullptr},
      {"status", nullptr, false, false, Connection::kAny,
       "state, position, inputs, spindle, identity",
       "Shows the machine as the service tool's main window does. A field whose read failed shows\n"
       "\"---\" (null with --json).\n",
       RunStatus, nullptr},
      {"report", "FILE", false, false, Connection::kOnline,
       "save the system report to FILE",
       "FILE receives the report exactly as the machine delivered it; an existing FILE is replaced\n"
       "only once the report is in hand.\n",
       RunReport, nullptr},
      {"params get", "FILE", false, false, Connection::kOnline,
       "save the parameter image to FILE",
       "The image is opaque: it is written as the machine delivered it (at most 10000 bytes).\n",
       RunParamsGet, nullptr},
      {"params put", "FILE", true, false, Connection::kOnline,
       "load the parameter image in FILE",
       "FILE is sent byte for byte; a file larger than 10000 bytes is refused. The machine takes\n"
       "the new parameters when it restarts.\n",
       RunParamsPut, nullptr},
      {"params clear-user", nullptr, false, true, Connection::kOnline,
       "reset the user parameters (--yes)",
       "USB ID, offsets, work coordinates G54 to G59, settings, indexed values, user compensation.\n"
       "Takes effect when the machine restarts. Asks nothing: without --yes nothing is done.\n",
       RunParamsClearUser, nullptr},
      {"params clear-all", nullptr, false, true, Connection::kOnline,
       "reset all parameters (--yes)",
       "Takes effect when the machine restarts. Asks nothing: without --yes nothing is done.\n",
       RunParamsClearAll, nullptr},
      {"serial", "VALUE", false, false, Connection::kOnline,
       "write the serial number (7 characters)",
       "Any seven characters are written as they stand.\n",
       RunSerial, RefuseSerial},
      {"send", "FILE", true, false, Connection::kOnline,
       "send a cutting file, unchanged",
       "The file is handed to the machine as a print job named \"output\".\n",
       RunSend, nullptr},
      {"firmware", "FILE", true, false, Connection::kOnline,
       "install the firmware in FILE (*.rfw)",
       "Runs as the service tool's Upgrade does: update mode, library reload, send, follow. The\n"
       "percentage is shown on standard error. Ends with 0 only when the machine confirmed the\n"
       "installation; restart the machine afterwards either way. Once begun, the installation\n"
       "cannot be interrupted: Ctrl+C then only says so.\n",
       RunFirmware, nullptr},
  };
  return commands;
}

const CommandSpec* FindCommand(const std::string& name) {
  for (const CommandSpec& entry : Commands()) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

bool IsCommandGroup(const std::string& word) { return word == kParamsGroup; }
