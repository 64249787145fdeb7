#include "log_book.h"

#include <cstdio>
#include <utility>

std::string LogStamp(CLogClock& clock) {
  std::tm now{};
  if (!clock.LocalNow(now)) return std::string();
  char text[64];
  size_t length = std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S ", &now);
  return std::string(text, length);
}

std::string LogFileName(const std::string& folder, const std::string& prefix, int number) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "_log%02d.txt", number);
  return folder + "\\" + prefix + suffix;
}

std::string LogFolderName(const std::string& format, const std::string& model) {
  std::string name = format;
  const size_t at = name.find("%s");
  return at == std::string::npos ? name : name.replace(at, 2, model);
}

std::string LogFileMessage(const std::string& message) {
  std::string joined;
  bool inBreak = false;
  for (char c : message) {
    if (c == '\r' || c == '\n') {
      inBreak = true;
      continue;
    }
    if (inBreak && !joined.empty()) joined += ' ';
    inBreak = false;
    joined += c;
  }
  return joined;
}

std::string LogLockName(const std::string& folder, const std::string& prefix) {
  return folder + "\\" + prefix + "_log.lock";
}

CLogBook::CLogBook(CFileStore& files, CLogClock& clock, FolderSource dataFolder,
                   CLogFileLock* lock)
    : files_(files), clock_(clock), dataFolder_(std::move(dataFolder)), lock_(lock) {}

std::string CLogBook::Record(const std::string& prefix, const std::string& message) {
  const std::string stamp = LogStamp(clock_);
  std::string folder;
  if (dataFolder_ && dataFolder_(folder)) {
    const bool locked = lock_ != nullptr && lock_->Acquire(LogLockName(folder, prefix));
    files_.Append(LogFileName(folder, prefix, 0), stamp + LogFileMessage(message) + "\r\n");
    RotateIfFull(folder, prefix);
    if (locked) lock_->Release();
  }
  return stamp + message;
}

// The oldest file goes, every other moves one number up, and the next entry starts a new 00.
void CLogBook::RotateIfFull(const std::string& folder, const std::string& prefix) {
  if (files_.Size(LogFileName(folder, prefix, 0)) <= kLogRotateSize) return;
  files_.Remove(LogFileName(folder, prefix, kLogFileCount - 1));
  for (int n = kLogFileCount - 1; n >= 1; --n) {
    files_.Rename(LogFileName(folder, prefix, n - 1), LogFileName(folder, prefix, n));
  }
}

bool CSystemLogClock::LocalNow(std::tm& now) {
  std::time_t seconds = std::time(nullptr);
  if (seconds == static_cast<std::time_t>(-1)) return false;
  const std::tm* local = std::localtime(&seconds);
  if (local == nullptr) return false;
  now = *local;
  return true;
}
