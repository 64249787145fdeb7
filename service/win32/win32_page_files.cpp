#include "win32_page_files.h"

#include "../../../library/api/win32_file.h"
#include "../../ui/dialog/file_dialog.h"
#include "../../ui/dialog/message_box.h"
#include "../../ui/dialog/message_texts.h"

namespace {

FileFault LastFault(const CWin32File& file) { return FileFaultFromSystemError(file.LastError()); }

}  // namespace

bool CWin32FileBoxes::AskOpenPath(const std::string& filter, std::string& path) {
  return ::AskOpenPath(owner_.Handle(), filter, path);
}

bool CWin32FileBoxes::AskSavePath(const std::string& filter, const std::string& defaultExtension,
                                  std::string& path) {
  return ::AskSavePath(owner_.Handle(), filter, defaultExtension, path);
}

void CWin32FileBoxes::ShowFileError(const std::string& path, FileFault fault) {
  ::ShowFileError(path, fault);
}

FileFault CWin32PageFiles::Write(const std::string& path, const void* data, size_t length) {
  CWin32File file(path, CWin32File::Access::kCreateForWriting);
  if (!file.IsOpen() || !file.WriteAll(data, length)) return LastFault(file);
  return FileFault::kNone;
}

FileFault CWin32PageFiles::ReadPrefix(const std::string& path, size_t maxBytes,
                                      std::vector<uint8_t>& bytes, bool& longer) {
  CWin32File file(path, CWin32File::Access::kReadExisting);
  if (!file.IsOpen()) return LastFault(file);
  // One byte more than wanted tells a file longer than the limit from one that fits exactly.
  bytes.assign(maxBytes + 1, 0);
  size_t total = 0;
  while (total < bytes.size()) {
    const int read = file.Read(bytes.data() + total, static_cast<uint32_t>(bytes.size() - total));
    if (read < 0) return LastFault(file);
    if (read == 0) break;
    total += static_cast<size_t>(read);
  }
  longer = total > maxBytes;
  bytes.resize(longer ? maxBytes : total);
  return FileFault::kNone;
}

void CWin32BusyCursor::Begin() { previous_ = SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void CWin32BusyCursor::End() { SetCursor(previous_); }

ReportTime LocalReportTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ReportTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}
