// How a command ended: its exit code and, for a failure, what failed and what was left as it
// was. The failure becomes one line on standard error and the end of the log entry.
#pragma once

#include <string>

#include "exit_codes.h"

struct CommandOutcome {
  ExitCode code = ExitCode::kDone;
  std::string failed;     // "the machine refused the serial number"
  std::string unchanged;  // "the machine's serial number is unchanged"

  bool ok() const { return code == ExitCode::kDone; }
};

CommandOutcome Done();
CommandOutcome Failure(ExitCode code, const std::string& failed, const std::string& unchanged);

// The tool's texts break lines with CR LF or LF; a script reads one failure per line.
std::string OnOneLine(const std::string& text);

// "hvx40ctl serial: <failed>; <unchanged>"
std::string FailureLine(const std::string& command, const CommandOutcome& outcome);
