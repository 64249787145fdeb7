#include "command_catalog.h"

#include "../service/procedures/info/serial_write.h"
#include "commands.h"
#include "run_settings.h"

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
      {"loadcheck", nullptr, false, false, Connection::kOnline,
       "load check of each axis, or of one",
       "Runs the service tool's Load Check on each axis in turn (X, Y, Z), or only on the one\n"
       "named: park, drive the axis over its travel onto its limit sensor with the motor current\n"
       "reduced (50 % unless --current says 70 or 100), park again. An axis that reaches its\n"
       "sensor passes. An axis that stalls fails and the next axis is checked; a run that breaks\n"
       "off (cover opened, machine offline, Ctrl+C) checks no further axis. Asks nothing: clear\n"
       "the spindle and the table before. Ends with 0 only when every axis checked passed.\n",
       RunLoadCheck, nullptr, "[--current 50|70|100] [--axis x|y|z]", RefuseLoadCheckSettings},
      {"ageing", nullptr, false, false, Connection::kOnline,
       "ageing run of N cycles or M minutes",
       "Runs the service tool's Aging: park, then cycles between the park position and the far\n"
       "corner at speed 3000, with the spindle at 7000 rpm when --spindle is given. The run ends\n"
       "after N cycles, or at the first return to park after M minutes, then winds down (spindle\n"
       "off) and parks as the tool's Cancel does. Asks nothing: clear the spindle, the clamps\n"
       "and the stocker before. Ends with 0 only when the planned run was complete and the\n"
       "machine parked.\n",
       RunAgeing, nullptr, "(--cycles N | --minutes M) [--spindle]", RefuseAgeingSettings},
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
