#include "system_report.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "../../seams/current_controller.h"
#include "../../status/status_word.h"

const char kReportFailedText[] = "Failed to get system report";

namespace {

const char kInitializingMark[] = "\n -- THIS REPORT IS IN INITIALIZING -- ";
const char kOpenedReportText[] = "Opened report";

// A machine in these states has not finished starting up, so its report may not be complete.
bool IsInitializing(uint32_t stateWord) {
  switch (status_word::StateOf(stateWord)) {
    case status_word::kStateInitializing: case status_word::kStateUnSetup: return true;
    default: return false;
  }
}

}  // namespace

std::string CSystemReport::DeliveredText(const char* buffer, int count, int bufferSize) {
  if (count <= 0) return std::string();
  const size_t limit = static_cast<size_t>(count < bufferSize ? count : bufferSize);
  const void* zero = std::memchr(buffer, 0, limit);
  const size_t length = zero != nullptr ? static_cast<const char*>(zero) - buffer : limit;
  return std::string(buffer, length);
}

std::string CSystemReport::Trailer(uint32_t stateWord, const ReportTime& time) {
  std::string trailer = IsInitializing(stateWord) ? kInitializingMark : "";
  char line[64];
  std::snprintf(line, sizeof line, "\n%d-%d-%d %d:%d", time.year, time.month, time.day, time.hour,
                time.minute);
  return trailer + line;
}

void CSystemReport::Get() {
  std::vector<char> buffer(kBufferSize);
  const int count = OnCurrentController(source_, 0, [&](CHVXController& c) {
    return c.GetSystemReport(buffer.data(), kBufferSize);
  });
  // Only -1 is the library's failure; any other negative size would be no report either.
  if (count < 0) {
    log_.AddLog(kReportFailedText);
    boxes_.Tell(kReportFailedText);
    return;
  }
  std::string text = DeliveredText(buffer.data(), count, kBufferSize);
  MachineStatus status{};
  if (machine_.ReadStatus(status)) text += Trailer(status.stateWord, now_());
  // One view, one entry: the viewer's closing is no second opening.
  log_.AddLog(kOpenedReportText);
  viewer_.Show(text);
}
