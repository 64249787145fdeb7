// Ctrl+C as the console program takes it: never a sudden end. A request stops the command at
// its next safe point, before the machine is asked; a command under way finishes, since every
// machine wait is bounded. A load check or an ageing run takes each request as the service
// tool's Cancel: at its next wait it stops motion and spindle. The firmware installation cannot
// be stopped once begun, so a request then only makes the program say so.
#pragma once

#include <atomic>

class CInterrupt {
 public:
  // From the console's control handler. True when the request cannot stop the command now and
  // the engineer should be told.
  bool Request() {
    requested_ = true;
    ++pending_;
    return unstoppable_;
  }
  bool Requested() const { return requested_; }
  // True once for each request not yet taken: a test's wait takes it as a Cancel.
  bool Take() {
    int pending = pending_;
    while (pending > 0) {
      if (pending_.compare_exchange_weak(pending, pending - 1)) return true;
    }
    return false;
  }

  // Around the part of a command that must run to its end.
  void SetUnstoppable(bool on) { unstoppable_ = on; }

 private:
  std::atomic<bool> requested_{false};
  std::atomic<bool> unstoppable_{false};
  std::atomic<int> pending_{0};
};

// The text shown when Ctrl+C comes while the firmware is being installed.
extern const char kUnstoppableText[];
