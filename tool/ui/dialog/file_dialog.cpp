#include "file_dialog.h"

#include <commdlg.h>

#include "file_filter.h"

namespace {

bool AskPath(HWND owner, const std::string& filter, const char* defaultExtension, DWORD flags,
             bool save, std::string& path) {
  const std::string systemFilter = FilterToSystemList(filter);
  char chosen[MAX_PATH] = "";
  OPENFILENAMEA box = {};
  box.lStructSize = sizeof box;
  box.hwndOwner = owner;
  box.lpstrFilter = systemFilter.c_str();
  box.nFilterIndex = 1;
  box.lpstrFile = chosen;
  box.nMaxFile = MAX_PATH;
  box.lpstrDefExt = defaultExtension;
  box.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
  const BOOL ok = save ? GetSaveFileNameA(&box) : GetOpenFileNameA(&box);
  if (!ok) return false;
  path = chosen;
  return true;
}

}  // namespace

bool AskOpenPath(HWND owner, const std::string& filter, std::string& path) {
  return AskPath(owner, filter, nullptr, 0, false, path);
}

bool AskSavePath(HWND owner, const std::string& filter, const std::string& defaultExtension,
                 std::string& path) {
  const char* extension = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  return AskPath(owner, filter, extension, OFN_OVERWRITEPROMPT, true, path);
}
