// Ctrl+C as the console program takes it: never a sudden end. A request stops the command at
// its next safe point, before the machine is asked; a command under way finishes, since every
// machine wait is bounded. The firmware installation cannot be stopped once begun, so a request
// then only makes the program say so.
#pragma once

#include <atomic>

class CInterrupt {
 public:
  // From the console's control handler. True when the request cannot stop the command now and
  // the engineer should be told.
  bool Request() {
    requested_ = true;
    return unstoppable_;
  }
  bool Requested() const { return requested_; }

  // Around the part of a command that must run to its end.
  void SetUnstoppable(bool on) { unstoppable_ = on; }

 private:
  std::atomic<bool> requested_{false};
  std::atomic<bool> unstoppable_{false};
};

// The text shown when Ctrl+C comes while the firmware is being installed.
extern const char kUnstoppableText[];
