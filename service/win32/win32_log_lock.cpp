#include "win32_log_lock.h"

namespace {

bool TryLock(HANDLE file) {
  OVERLAPPED at = {};
  return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}

}  // namespace

// Polled rather than blocking, so that the wait stays bounded.
bool CWin32LogFileLock::Acquire(const std::string& lockPath) {
  Release();
  file_ = CreateFileA(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) return false;
  const DWORD start = GetTickCount();
  while (!TryLock(file_)) {
    if (GetTickCount() - start >= kWaitMs) {
      Release();
      return false;
    }
    Sleep(kRetryMs);
  }
  return true;
}

void CWin32LogFileLock::Release() {
  if (file_ == INVALID_HANDLE_VALUE) return;
  OVERLAPPED at = {};
  UnlockFileEx(file_, 0, 1, 0, &at);
  CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
}
