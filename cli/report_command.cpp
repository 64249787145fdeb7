// report FILE: the machine's system report, saved as the machine delivered it. The tool's
// viewer appends a date line for the engineer; the file keeps only what the machine sent.
#include <vector>

#include "../service/procedures/info/system_report.h"
#include "../service/texts/message_texts.h"
#include "commands.h"

CommandOutcome RunReport(CommandContext& context) {
  const std::string& path = context.Operand();
  const std::string unchanged = path + " was not written";
  CHVXController* controller = context.source();
  std::vector<char> buffer(CSystemReport::kBufferSize);
  const int count = controller != nullptr
                        ? controller->GetSystemReport(buffer.data(), CSystemReport::kBufferSize)
                        : -1;
  if (count < 0) {
    context.log.AddLog(kReportFailedText);
    return Failure(ExitCode::kMachineFailed, kReportFailedText, unchanged);
  }
  const std::string text =
      CSystemReport::DeliveredText(buffer.data(), count, CSystemReport::kBufferSize);
  const FileFault fault = context.files.Write(path, text.data(), text.size());
  if (fault != FileFault::kNone) {
    return Failure(ExitCode::kFileError, FileErrorText(path, fault), "the report was not saved");
  }
  context.log.AddLog("Saved system report " + path + " (" + std::to_string(text.size()) + " bytes)");
  context.result.SetText("file", path);
  context.result.SetNumber("bytes", static_cast<long long>(text.size()));
  context.lines.push_back("Saved the system report (" + std::to_string(text.size()) + " bytes) to " + path);
  return Done();
}
