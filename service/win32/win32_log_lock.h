// The log files' lock between programs on Windows: an exclusive byte-range lock on a lock file
// in the log folder. The system drops it when its holder ends, so a program that dies while it
// writes an entry never blocks the others.
#pragma once

#include <windows.h>

#include "../log/log_book.h"

class CWin32LogFileLock : public CLogFileLock {
 public:
  // An entry takes a millisecond; a holder that keeps the lock this long has stopped.
  static constexpr DWORD kWaitMs = 5000;
  static constexpr DWORD kRetryMs = 2;

  ~CWin32LogFileLock() override { Release(); }
  bool Acquire(const std::string& lockPath) override;
  void Release() override;

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};
