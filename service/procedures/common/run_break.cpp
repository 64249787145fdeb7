#include "run_break.h"

std::string RunBreakText(RunBreak why) {
  switch (why) {
    case RunBreak::kCancelled: return "cancelled";
    case RunBreak::kCoverOpened: return "the cover was opened";
    case RunBreak::kMachineError: return "the machine stopped with an error";
    case RunBreak::kOffline: return "the machine went offline";
    case RunBreak::kSilent: return "the machine stopped answering";
    case RunBreak::kMoveRefused: return "the machine refused a move";
    case RunBreak::kNoPosition: return "the position could not be read";
    case RunBreak::kRunComplete: return "the planned run was complete";
    default: return std::string();
  }
}
