#include "cli_runner.h"

#include "../service/procedures/output/library_reload.h"
#include "../service/texts/message_texts.h"
#include "../service/wrapper/controller_holder.h"
#include "cli_arguments.h"
#include "command_catalog.h"
#include "help_text.h"
#include "machine_connection.h"
#include "machine_log.h"

namespace {

const char kNothingDone[] = "nothing was done";

// The command as the log records it: "params put C:\data\p.bin", "loadcheck --axis y".
std::string Summary(const CliRequest& request) {
  std::string summary = request.command;
  for (const std::string& operand : request.operands) summary += " " + operand;
  for (const auto& setting : request.settings) {
    summary += " " + setting.first + (setting.second.empty() ? "" : " " + setting.second);
  }
  return summary;
}

// An input file that cannot be read stops the command before any machine is asked.
CommandOutcome CheckReadable(IPageFiles& files, const std::string& path) {
  std::vector<uint8_t> bytes;
  bool longer = false;
  const FileFault fault = files.ReadPrefix(path, 1, bytes, longer);
  if (fault == FileFault::kNone) return Done();
  return Failure(ExitCode::kFileError, FileErrorText(path, fault),
                 "nothing was sent; the machine is unchanged");
}

CommandOutcome Interrupted(const std::string& command) {
  return Failure(ExitCode::kInterrupted, "interrupted before " + command + " reached the machine",
                 "the machine is unchanged");
}

class CCommandRun {
 public:
  CCommandRun(const CliRequest& request, CliServices& services, CJsonObject& result)
      : request_(request), services_(services), result_(result),
        access_(request.simulator ? services.simulator : services.printers) {}

  CommandOutcome Execute(const CommandSpec& command) {
    if (command.readsFile) {
      CommandOutcome readable = CheckReadable(services_.files, request_.operands.front());
      if (!readable.ok()) return readable;
    }
    if (services_.interrupt.Requested()) return Interrupted(request_.command);
    if (command.connection != Connection::kNone) {
      CommandOutcome connected = Connect(command.connection);
      if (!connected.ok()) return connected;
      if (services_.interrupt.Requested()) return Interrupted(request_.command);
    }
    return RunConnected(command);
  }

  CMachineLog& Log() { return log_; }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  CommandOutcome Connect(Connection need) {
    CMachineConnection connection(access_, request_.simulator);
    const std::string problem = services_.loadProblem ? services_.loadProblem() : std::string();
    CommandOutcome outcome = connection.Open(request_.machine, need, problem);
    machine_ = connection.Machine();
    log_.SetMachine(machine_.name, machine_.serial);
    if (!machine_.name.empty()) result_.SetText("machine", machine_.name);
    if (outcome.ok()) result_.SetText("machine_serial", machine_.serial);
    return outcome;
  }

  CommandOutcome RunConnected(const CommandSpec& command) {
    CDeviceAccess& access = access_;
    const std::string name = machine_.name;
    // The reloaded library is connected to the same machine the command was given.
    CHolderLibraryReload reload(services_.clock,
                                [&access, name](CHVXController& c) { access.Open(c, name); });
    CProgressLine progress(services_.console, request_.quiet);
    CommandContext context{request_, CurrentController, access_, services_.files, log_,
                           services_.clock, progress, reload, result_, lines_,
                           services_.interrupt, services_.console, machine_.serial};
    return command.run(context);
  }

  const CliRequest& request_;
  CliServices& services_;
  CJsonObject& result_;
  CDeviceAccess& access_;
  CMachineLog log_;
  ConnectedMachine machine_;
  std::vector<std::string> lines_;
};

int Finish(IConsole& console, const CliRequest& request, CJsonObject& result,
           const std::vector<std::string>& lines, const CommandOutcome& outcome) {
  if (request.json) {
    result.SetFlag("ok", outcome.ok());
    result.SetNumber("exit_code", ExitValue(outcome.code));
    if (!outcome.ok()) {
      result.SetText("error", OnOneLine(outcome.failed));
      result.SetText("unchanged", outcome.unchanged);
    }
    console.Out(result.Text() + "\n");
  } else if (!request.quiet) {
    for (const std::string& line : lines) console.Out(line + "\n");
  }
  if (!outcome.ok()) console.Err(FailureLine(request.command, outcome) + "\n");
  return ExitValue(outcome.code);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliServices& services) {
  CliRequest request;
  CJsonObject result;
  std::string error;
  if (!ParseArguments(args, request, error)) {
    return Finish(services.console, request, result, {},
                  Failure(ExitCode::kUsage, error, kNothingDone));
  }
  if (request.help) {
    services.console.Out(HelpText(request.command));
    return ExitValue(ExitCode::kDone);
  }
  result.SetText("command", request.command);
  CCommandRun run(request, services, result);
  const CommandOutcome outcome = run.Execute(*FindCommand(request.command));
  run.Log().AddLog(Summary(request) + ": " +
                   (outcome.ok() ? std::string("done")
                                 : "failed: " + OnOneLine(outcome.failed) + "; " + outcome.unchanged));
  // Unloading disconnects, so the machine is let go before the program ends.
  ReleaseController();
  return Finish(services.console, request, result, run.Lines(), outcome);
}
