#include "win32_page_files.h"

#include "../../ui/dialog/file_dialog.h"
#include "../../ui/dialog/message_box.h"
#include "../../ui/dialog/message_texts.h"

namespace {

FileFault LastFault() { return FileFaultFromSystemError(GetLastError()); }

// Closes the handle when the transfer is done, whichever way it ends.
class CFileHandle {
 public:
  explicit CFileHandle(HANDLE handle) : handle_(handle) {}
  ~CFileHandle() {
    if (IsOpen()) CloseHandle(handle_);
  }
  CFileHandle(const CFileHandle&) = delete;
  CFileHandle& operator=(const CFileHandle&) = delete;
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

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
  CFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return LastFault();
  const char* next = static_cast<const char*>(data);
  while (length > 0) {
    DWORD written = 0;
    const DWORD chunk = length > 0x100000 ? 0x100000 : static_cast<DWORD>(length);
    if (!WriteFile(file.Get(), next, chunk, &written, nullptr) || written == 0) return LastFault();
    next += written;
    length -= written;
  }
  return FileFault::kNone;
}

FileFault CWin32PageFiles::ReadPrefix(const std::string& path, size_t maxBytes,
                                      std::vector<uint8_t>& bytes, bool& longer) {
  CFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return LastFault();
  // One byte more than wanted tells a file longer than the limit from one that fits exactly.
  bytes.assign(maxBytes + 1, 0);
  size_t total = 0;
  while (total < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total),
                  &read, nullptr)) {
      return LastFault();
    }
    if (read == 0) break;
    total += read;
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
