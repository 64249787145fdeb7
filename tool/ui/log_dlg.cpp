#include "log_dlg.h"

#include "../app/win32_data_folder.h"
#include "../app/win32_platform.h"
#include "../resources/resource.h"
#include "log_book.h"

namespace {

std::string LoadText(int id, const char* fallback) {
  char buffer[256];
  int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, length) : std::string(fallback);
}

std::string LogFolderName() {
  std::string format = LoadText(IDS_DATA_FOLDER_FORMAT, "Mek for %s");
  std::string model = LoadText(IDS_MODEL_NAME, "HVX-40");
  // Filled by hand: the format is text, never handed to a formatting routine.
  size_t at = format.find("%s");
  return at == std::string::npos ? format : format.replace(at, 2, model);
}

bool LogFolder(std::string& folder) {
  char path[kDataFolderPathSize];
  if (!GetDataFolder(LogFolderName().c_str(), path)) return false;
  folder = path;
  return true;
}

}  // namespace

CLogDlg::CLogDlg() : CDialog(IDD_LOG) {}

void CLogDlg::ShowText(const std::string& text) { SetItemText(IDC_LOG_TEXT, text); }

void InstallLogBook() {
  static CSystemLogClock clock;
  static CLogBook book(Win32ToolPlatform().files, clock, LogFolder);
  SetLogBook(&book);
}
