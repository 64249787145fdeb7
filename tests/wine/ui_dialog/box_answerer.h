// Answers the next message box that the test's own thread shows: a helper thread waits for it,
// records its caption and text, and presses the given button.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class CBoxAnswerer {
 public:
  explicit CBoxAnswerer(int button);
  ~CBoxAnswerer();
  // Waits for the helper to finish; false when no box appeared within a few seconds.
  bool Join();
  std::string caption;
  std::string text;

 private:
  void Watch(DWORD threadId);
  std::atomic<bool> answered_{false};
  const int button_;
  std::thread helper_;
};
