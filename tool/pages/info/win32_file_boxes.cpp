#include "win32_file_boxes.h"

#include "../../ui/dialog/file_dialog.h"
#include "../../ui/dialog/message_box.h"

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

void CWin32BusyCursor::Begin() { previous_ = SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void CWin32BusyCursor::End() { SetCursor(previous_); }

ReportTime LocalReportTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ReportTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}
