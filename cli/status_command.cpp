// status: the machine as the main window shows it, read through the window's own logic.
#include "../service/status/machine_readout.h"
#include "../service/status/status_box.h"
#include "commands.h"

namespace {

struct Field {
  const char* key;    // --json member
  const char* label;  // text line
  std::string value;
};

}  // namespace

CommandOutcome RunStatus(CommandContext& context) {
  CHVXController* controller = context.source();
  if (controller == nullptr) {
    return Failure(ExitCode::kNotConnected, "the machine is no longer connected", "nothing was done");
  }
  bool connected = true;
  CStatusBox status;
  status.RefreshStatus(controller, connected);
  CMachineReadout readout;
  readout.Refresh(*controller);
  const StatusTexts& s = status.Texts();
  const ReadoutTexts& r = readout.Texts();
  const Field fields[] = {
      {"state", "State", s.status},          {"x", "X", r.x},
      {"y", "Y", r.y},                       {"z", "Z", r.z},
      {"x_limit", "X limit", r.xLimit},      {"y_limit", "Y limit", r.yLimit},
      {"z_limit", "Z limit", r.zLimit},      {"cover", "Cover", s.cover},
      {"spindle_speed", "Spindle speed", r.spindleSpeed},
      {"serial", "Serial number", s.serial}, {"firmware", "Firmware version", s.firmware},
      {"usb_id", "USB ID", s.usbId},
  };
  for (const Field& field : fields) {
    context.result.SetText(field.key, field.value);
    context.lines.push_back(std::string(field.label) + ": " + field.value);
  }
  return Done();
}
