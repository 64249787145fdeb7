#include "machine_connection.h"

#include "../library/transport/equals_ignoring_case.h"
#include "../service/procedures/common/page_machine.h"
#include "../service/status/status_box.h"
#include "../service/status/status_word.h"
#include "../service/wrapper/controller_holder.h"

namespace {

const char kNothingDone[] = "nothing was done";

std::string NameList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return list;
}

}  // namespace

CommandOutcome ChooseMachine(const std::vector<std::string>& names, const std::string& requested,
                             std::string& chosen) {
  if (!requested.empty()) {
    for (const std::string& name : names) {
      if (!EqualsIgnoringCase(name, requested)) continue;
      chosen = name;
      return Done();
    }
    return Failure(ExitCode::kNotConnected, "no machine named " + requested + " is attached",
                   kNothingDone);
  }
  if (names.empty()) return Failure(ExitCode::kNotConnected, "no machine is attached", kNothingDone);
  if (names.size() > 1) {
    return Failure(ExitCode::kUsage, "more than one machine is attached (" + NameList(names) +
                   "); choose one with --machine NAME", kNothingDone);
  }
  chosen = names.front();
  return Done();
}

CommandOutcome CMachineConnection::Open(const std::string& requested, Connection need,
                                        const std::string& loadProblem) {
  CHVXController* controller = RenewController();
  if (controller == nullptr) {
    return Failure(ExitCode::kNotConnected,
                   "the service library HVX40ServiceAPI.dll could not be loaded" +
                       (loadProblem.empty() ? std::string() : " (" + loadProblem + ")"),
                   kNothingDone);
  }
  std::vector<std::string> names;
  if (!access_.ListMachines(names)) {
    return Failure(ExitCode::kNotConnected, "the list of machines cannot be read", kNothingDone);
  }
  CommandOutcome chosen = ChooseMachine(names, requested, machine_.name);
  if (!chosen.ok()) return chosen;
  if (!access_.Open(*controller, machine_.name)) {
    const std::string hint = simulator_ ? " (is the emulator running?)" : "";
    return Failure(ExitCode::kNotConnected, "cannot connect to " + machine_.name + hint,
                   kNothingDone);
  }
  CStatusBox identity;
  identity.ShowStartUp(controller, true);
  machine_.serial = identity.Texts().serial;
  return CheckState(need);
}

// A machine whose status cannot be read is not connected, whatever Connect answered; one that
// reports itself offline takes no command, as the tool's controls are disabled then.
CommandOutcome CMachineConnection::CheckState(Connection need) {
  MachineStatus status{};
  if (!CPageMachine(CurrentController).ReadStatus(status)) {
    return Failure(ExitCode::kNotConnected, machine_.name + " does not answer its status",
                   kNothingDone);
  }
  if (need == Connection::kOnline && status_word::IsOffline(status.stateWord)) {
    return Failure(ExitCode::kNotConnected, machine_.name + " reports itself offline",
                   kNothingDone);
  }
  return Done();
}
