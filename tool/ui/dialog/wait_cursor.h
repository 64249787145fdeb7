// The hourglass while the thread is blocked in a machine transfer; the previous cursor returns
// when the object goes out of scope.
#pragma once

#include <windows.h>

class CWaitCursor {
 public:
  CWaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { SetCursor(previous_); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
