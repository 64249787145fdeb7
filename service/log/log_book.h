// The log files: one time-stamped line per user action, appended to prefix + "_log00.txt" in the
// tool's data folder and rotated over ten files once the current one passes 31744 bytes.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "../wrapper/tool_platform.h"

constexpr long long kLogRotateSize = 31744;
constexpr int kLogFileCount = 10;

class CLogClock {
 public:
  virtual ~CLogClock() {}
  // The local time now; false when it cannot be had.
  virtual bool LocalNow(std::tm& now) = 0;
};

// "%Y/%m/%d %H:%M:%S " of the local time now, or empty when the time cannot be had.
std::string LogStamp(CLogClock& clock);

// prefix + "_log%02d.txt" in folder. The prefix is taken as plain text, never as a format.
std::string LogFileName(const std::string& folder, const std::string& prefix, int number);

// The name of the log files' folder: format ("Mek for %s") with its "%s" filled by model
// ("HVX-40"). Filled by hand: the format is text, never handed to a formatting routine.
std::string LogFolderName(const std::string& format, const std::string& model);

// The message as the file holds it: one entry is one line, so the lines of a message that
// spans several are joined with a blank.
std::string LogFileMessage(const std::string& message);

// The lock of a prefix's file set between programs: the tool and any number of hvx40ctl runs
// write the same files, and each takes the lock around one entry (append, size check, rotation),
// so that entries never mix and a full file is rotated exactly once.
class CLogFileLock {
 public:
  virtual ~CLogFileLock() {}
  // Takes the lock named by the path, waiting a bounded time; false when it could not be had,
  // and the entry is then written without it rather than lost.
  virtual bool Acquire(const std::string& lockPath) = 0;
  virtual void Release() = 0;
};

// The lock file of the prefix's set: prefix + "_log.lock" in folder, beside the files it guards.
std::string LogLockName(const std::string& folder, const std::string& prefix);

class CLogBook {
 public:
  // dataFolder gives the folder of the log files, creating it when missing; false when there is
  // none, and the entry then reaches the panel only.
  typedef std::function<bool(std::string& folder)> FolderSource;

  // lock (may be null) guards each entry against other programs writing the same files.
  CLogBook(CFileStore& files, CLogClock& clock, FolderSource dataFolder,
           CLogFileLock* lock = nullptr);

  // Writes the entry to the prefix's current file and returns the line (stamp and message) that
  // the panel shows; the panel keeps a message's own line breaks. Every failure on disk is
  // silent.
  std::string Record(const std::string& prefix, const std::string& message);

 private:
  void RotateIfFull(const std::string& folder, const std::string& prefix);

  CFileStore& files_;
  CLogClock& clock_;
  FolderSource dataFolder_;
  CLogFileLock* lock_;
};

// The local time of the computer.
class CSystemLogClock : public CLogClock {
 public:
  bool LocalNow(std::tm& now) override;
};
