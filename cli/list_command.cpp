// list: the machines, each probed as the device manager probes it (opened, then let go).
#include "../service/wrapper/controller_holder.h"
#include "commands.h"

namespace {

const char kReady[] = "ready";
const char kOffline[] = "offline";
const char kUnknown[] = "unknown";  // no service library to probe with

std::string Probe(CDeviceAccess& access, const std::string& name) {
  CHVXController* controller = CurrentController();
  if (controller == nullptr) return kUnknown;
  const bool opened = access.Open(*controller, name);
  controller->Disconnect();
  return opened ? kReady : kOffline;
}

}  // namespace

CommandOutcome RunList(CommandContext& context) {
  std::vector<std::string> names;
  if (!context.access.ListMachines(names)) {
    return Failure(ExitCode::kNotConnected, "the list of machines cannot be read",
                   "nothing was done");
  }
  RenewController();
  CJsonObject states;
  for (const std::string& name : names) {
    states.SetText(name, Probe(context.access, name));
    context.lines.push_back(name);
  }
  context.result.SetTextList("machines", names);
  context.result.SetObject("states", states);
  return Done();
}
