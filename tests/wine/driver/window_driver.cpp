#include "window_driver.h"

#include <commctrl.h>

namespace {

struct Search {
  DWORD processId;
  std::string caption;
  std::string text;
  HWND found;
};

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
  reinterpret_cast<std::vector<std::string>*>(param)->push_back(CWindowDriver::Text(child));
  return TRUE;
}

bool OwnedByProcess(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId && IsWindowVisible(window);
}

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  if (!OwnedByProcess(window, search->processId)) return TRUE;
  if (CWindowDriver::Text(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK MatchChildText(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  if (!OwnedByProcess(window, search->processId)) return TRUE;
  for (const std::string& text : CWindowDriver::ChildTexts(window)) {
    if (text == search->text) {
      search->found = window;
      return FALSE;
    }
  }
  return TRUE;
}

BOOL CALLBACK MatchVisibleList(HWND child, LPARAM param) {
  char name[64] = "";
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, WC_LISTVIEWA) != 0 || !IsWindowVisible(child)) return TRUE;
  *reinterpret_cast<HWND*>(param) = child;
  return FALSE;
}

template <class Predicate>
bool PollFor(DWORD timeoutMs, Predicate done) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

}  // namespace

HWND CWindowDriver::FindWindowByCaption(const std::string& caption) const {
  Search search{processId_, caption, "", nullptr};
  EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND CWindowDriver::WaitForWindow(const std::string& caption, DWORD timeoutMs) const {
  HWND found = nullptr;
  PollFor(timeoutMs, [&] { return (found = FindWindowByCaption(caption)) != nullptr; });
  return found;
}

HWND CWindowDriver::WaitForBoxWithText(const std::string& text, DWORD timeoutMs) const {
  Search search{processId_, "", text, nullptr};
  PollFor(timeoutMs, [&] {
    EnumWindows(MatchChildText, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

bool CWindowDriver::WaitUntilGone(HWND window, DWORD timeoutMs) const {
  return PollFor(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

void CWindowDriver::Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string CWindowDriver::Text(HWND window) {
  char buffer[1024] = "";
  DWORD_PTR length = 0;
  // Asked with a time-out, so a busy program cannot hang the test.
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 5000, &length)) {
    return std::string();
  }
  return std::string(buffer, length);
}

std::vector<std::string> CWindowDriver::ChildTexts(HWND window) {
  std::vector<std::string> texts;
  EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

HWND CWindowDriver::VisibleList(HWND dialog) {
  HWND list = nullptr;
  EnumChildWindows(dialog, MatchVisibleList, reinterpret_cast<LPARAM>(&list));
  return list;
}

// The list lives in the other program, so the request and its answer travel through memory
// borrowed in that program.
std::string CWindowDriver::ListCell(HWND list, int row, int column) const {
  const SIZE_T textSize = 260;
  char* remote = static_cast<char*>(VirtualAllocEx(process_, nullptr, sizeof(LVITEMA) + textSize,
                                                   MEM_COMMIT, PAGE_READWRITE));
  if (remote == nullptr) return "<no memory>";
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = remote + sizeof(LVITEMA);
  item.cchTextMax = static_cast<int>(textSize);
  char text[textSize] = "";
  if (WriteProcessMemory(process_, remote, &item, sizeof item, nullptr)) {
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process_, remote + sizeof(LVITEMA), text, textSize - 1, nullptr);
  }
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  return text;
}

std::vector<std::vector<std::string>> CWindowDriver::ListRows(HWND list, int columns) const {
  std::vector<std::vector<std::string>> rows;
  int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) cells.push_back(ListCell(list, row, column));
    rows.push_back(cells);
  }
  return rows;
}
