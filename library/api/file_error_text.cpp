#include "file_error_text.h"

namespace {

struct ErrorText {
  int error;
  const char* before;  // text before the file name
  const char* after;   // text after it
};

const ErrorText kTexts[] = {
    {kFileNotFound, "", " was not found."},
    {kPathNotFound, "", " contains an invalid path."},
    {kInvalidName, "", " contains an invalid path."},
    {kTooManyOpenFiles, "", " could not be opened because there are too many open files."},
    {kAccessDenied, "Access to ", " was denied."},
    {kInvalidHandle, "An invalid file handle was associated with ", "."},
    {kSharingViolation, "A sharing violation occurred while accessing ", "."},
    {kLockViolation, "A locking violation occurred while accessing ", "."},
    {kDiskFull, "Disk full while accessing ", "."},
};

}  // namespace

std::string FileErrorMessage(int error, const std::string& path) {
  for (const ErrorText& text : kTexts) {
    if (text.error == error) return text.before + path + text.after;
  }
  return "An unexpected error occurred while accessing " + path + ".";
}
