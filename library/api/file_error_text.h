// The texts of the standard file-error box, one per kind of failure, naming the file.
#pragma once

#include <string>

// The system's error numbers that the box tells apart.
enum FileErrorNumber {
  kFileNotFound = 2,
  kPathNotFound = 3,
  kTooManyOpenFiles = 4,
  kAccessDenied = 5,
  kInvalidHandle = 6,
  kSharingViolation = 32,
  kLockViolation = 33,
  kDiskFull = 112,
  kInvalidName = 123,
};

std::string FileErrorMessage(int error, const std::string& path);
