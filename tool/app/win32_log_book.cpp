#include "win32_log_book.h"

#include <windows.h>

#include <string>

#include "../../service/log/log_book.h"
#include "../../service/log/log_window.h"
#include "../../service/win32/win32_log_lock.h"
#include "../resources/resource.h"
#include "win32_data_folder.h"
#include "win32_platform.h"

namespace {

std::string LoadText(int id, const char* fallback) {
  char buffer[256];
  int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, length) : std::string(fallback);
}

bool LogFolder(std::string& folder) {
  const std::string name = LogFolderName(LoadText(IDS_DATA_FOLDER_FORMAT, "Mek for %s"),
                                         LoadText(IDS_MODEL_NAME, "HVX-40"));
  char path[kDataFolderPathSize];
  if (!GetDataFolder(name.c_str(), path)) return false;
  folder = path;
  return true;
}

}  // namespace

void InstallLogBook() {
  static CSystemLogClock clock;
  static CWin32LogFileLock lock;
  static CLogBook book(Win32ToolPlatform().files, clock, LogFolder, &lock);
  SetLogBook(&book);
}
