// The console program's exit codes. Scripts on the factory line branch on them, so each value
// keeps its meaning for good.
#pragma once

#include <string>

enum class ExitCode : int {
  kDone = 0,
  kUsage = 2,           // bad command line: unknown command or option, missing or extra operand
  kNotConnected = 3,    // no machine, the service library missing, or the machine not answering
  kMachineFailed = 4,   // the machine refused or failed the command
  kFileError = 5,       // a file could not be read or written, or is no file for the command
  kInterrupted = 6,     // Ctrl+C before the command reached the machine
  kStoppedAfterMove = 7,  // Ctrl+C stopped a test after the machine had moved
};

inline int ExitValue(ExitCode code) { return static_cast<int>(code); }

// The table of codes as --help and the README print it.
std::string ExitCodeHelp();
