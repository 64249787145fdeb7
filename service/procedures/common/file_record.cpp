#include "file_record.h"

std::string FileLogLine(FileAct act, const std::string& path) {
  switch (act) {
    case FileAct::kRead: return "File read: " + path;
    case FileAct::kWritten: return "File written: " + path;
    case FileAct::kNotWritten: return "File not written: " + path;
    case FileAct::kSent: return "File sent: " + path;
    default: return "File not sent: " + path;
  }
}
