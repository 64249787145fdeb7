// Why a long test ended before its end, as the log records it: the engineer's cancel, what the
// machine's status showed when it stopped, or a command the machine refused.
#pragma once

#include <string>

enum class RunBreak {
  kNone,         // the test ran to its end
  kCancelled,    // the engineer pressed Cancel
  kCoverOpened,  // the cover was opened during a motion, which stopped it
  kMachineError, // the machine came to rest blocked for jobs (an error or a stop)
  kOffline,      // the machine went offline
  kSilent,       // the machine stopped answering in the middle of a motion
  kMoveRefused,  // the machine refused a move
  kNoPosition,   // the current position could not be read
  kRunComplete,  // a run with an end of its own (cycles or minutes) reached it
};

// "cancelled", "the cover was opened", ...; empty for kNone.
std::string RunBreakText(RunBreak why);
