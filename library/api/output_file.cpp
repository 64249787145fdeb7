#include "output_file.h"

#include <string>

#include "file_access.h"
#include "file_error_text.h"

bool OutputFile(CCommandProtocol& protocol, const char* const* path, const char* jobName) {
  const std::string name = (path != nullptr && *path != nullptr) ? *path : "";
  CFileAccess& files = FileAccess();
  int error = 0;
  std::unique_ptr<CFileSource> file = files.OpenForSending(name, error);
  if (!file) {
    files.ShowFileError(FileErrorMessage(error, name));
    return false;
  }
  return protocol.transport()->SendFile(*file, jobName != nullptr ? jobName : kDefaultJobName);
}
