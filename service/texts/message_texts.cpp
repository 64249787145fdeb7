#include "message_texts.h"

#include "number_text.h"

std::string FileErrorText(const std::string& path, FileFault fault) {
  const char* pattern = "An unexpected error occurred while accessing %1.";
  switch (fault) {
    case FileFault::kNotFound: pattern = "%1 was not found."; break;
    case FileFault::kAccessDenied: pattern = "Access to %1 was denied."; break;
    case FileFault::kSharingViolation: pattern = "A sharing violation occurred while accessing %1."; break;
    case FileFault::kDiskFull: pattern = "Disk full while accessing %1."; break;
    case FileFault::kNone:
    case FileFault::kGeneric: break;
  }
  return FillPlaceholders(pattern, {path});
}

FileFault FileFaultFromSystemError(unsigned long code) {
  // The system's error numbers are fixed; they are spelled out so that this stays portable.
  switch (code) {
    case 0: return FileFault::kNone;
    case 2:    // file not found
    case 3:    // path not found
    case 15:   // invalid drive
    case 123:  // invalid name
      return FileFault::kNotFound;
    case 5:    // access denied
    case 19:   // write protected
      return FileFault::kAccessDenied;
    case 32:   // sharing violation
    case 33:   // lock violation
      return FileFault::kSharingViolation;
    case 39:   // handle disk full
    case 112:  // disk full
      return FileFault::kDiskFull;
    default: return FileFault::kGeneric;
  }
}

std::string BoxCaptionFromProgramPath(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}
