// How the library opens a file that it hands to the machine, and how it tells the engineer
// that it could not: behind a seam, so that the sending logic runs without a file system.
#pragma once

#include <memory>
#include <string>

#include "../transport/transport.h"

class CFileAccess {
 public:
  virtual ~CFileAccess() {}
  // Opens the file for reading while others may still read it but not write it, so that the
  // job cannot change under the machine. Null on failure, with the system's error number.
  virtual std::unique_ptr<CFileSource> OpenForSending(const std::string& path, int& error) = 0;
  // The standard file-error box.
  virtual void ShowFileError(const std::string& message) = 0;
};

// The process's file access: the system's, or the one a test installed.
CFileAccess& FileAccess();
// Installs a replacement; null restores the system's.
void SetFileAccess(CFileAccess* access);
// The system's own (Win32, or stdio in the native build).
CFileAccess& SystemFileAccess();
