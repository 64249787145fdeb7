#include "report_file.h"

#include "../common/file_record.h"

namespace {

const char kReportFilter[] = "Text file (*.txt)|*.txt|all |*.*||";
const char kReportDefaultExtension[] = "*";
const char kWildcardExtension[] = ".*";

}  // namespace

std::string WithoutWildcardExtension(const std::string& path) {
  const size_t suffix = sizeof kWildcardExtension - 1;
  if (path.size() > suffix && path.compare(path.size() - suffix, suffix, kWildcardExtension) == 0) {
    return path.substr(0, path.size() - suffix);
  }
  return path;
}

bool SaveReportText(IFileBoxes& boxes, IPageFiles& files, ILogSink& log, const std::string& text) {
  std::string path;
  if (!boxes.AskSavePath(kReportFilter, kReportDefaultExtension, path)) return false;
  path = WithoutWildcardExtension(path);
  const std::string written = text.substr(0, text.find('\0'));
  const FileFault fault = files.Write(path, written.data(), written.size());
  if (fault != FileFault::kNone) {
    log.AddLog("Failed to save report");
    log.AddLog(FileLogLine(FileAct::kNotWritten, path));
    boxes.ShowFileError(path, fault);
    return false;
  }
  log.AddLog("Saved report");
  log.AddLog(FileLogLine(FileAct::kWritten, path));
  return true;
}

std::string WithWindowsLineBreaks(const std::string& text) {
  std::string shown;
  shown.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) shown += '\r';
    shown += text[i];
  }
  return shown;
}
