#include "outcome.h"

CommandOutcome Done() { return CommandOutcome(); }

CommandOutcome Failure(ExitCode code, const std::string& failed, const std::string& unchanged) {
  CommandOutcome outcome;
  outcome.code = code;
  outcome.failed = failed;
  outcome.unchanged = unchanged;
  return outcome;
}

std::string OnOneLine(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      line += ' ';
    } else {
      line += c;
    }
  }
  return line;
}

std::string FailureLine(const std::string& command, const CommandOutcome& outcome) {
  std::string line = "hvx40ctl";
  if (!command.empty()) line += " " + command;
  line += ": " + OnOneLine(outcome.failed);
  if (!outcome.unchanged.empty()) line += "; " + outcome.unchanged;
  return line;
}
