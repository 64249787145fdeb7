#include "data_file_sender.h"

#include "../common/file_record.h"

const char kSelectFileText[] = "Select the file address.";

namespace {

const char kJobName[] = "output";
const char kOutputFailedText[] = "Failed to output file";
const char kOutputFileLog[] = "Output File";

}  // namespace

bool CDataFileSender::SendDataFile(const std::string& path) {
  if (path.empty()) {
    boxes_.Tell(kSelectFileText);
    return false;
  }
  const bool sent = machine_.OutputFile(path, kJobName);
  if (!sent) boxes_.Tell(kOutputFailedText);
  log_.AddLog(kOutputFileLog);
  log_.AddLog(FileLogLine(sent ? FileAct::kSent : FileAct::kNotSent, path));
  return sent;
}
