#include "box_answerer.h"

#include <vector>

namespace {

struct Search {
  HWND box = nullptr;
};

BOOL CALLBACK FindMessageBox(HWND hwnd, LPARAM param) {
  char className[32] = "";
  GetClassNameA(hwnd, className, sizeof className);
  // A message box is a system dialog with the static text whose id is 0xFFFF.
  if (std::string(className) == "#32770" && IsWindowVisible(hwnd) && GetDlgItem(hwnd, 0xFFFF)) {
    reinterpret_cast<Search*>(param)->box = hwnd;
    return FALSE;
  }
  return TRUE;
}

std::string TextOf(HWND hwnd) {
  std::vector<char> buffer(GetWindowTextLengthA(hwnd) + 1);
  GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

}  // namespace

CBoxAnswerer::CBoxAnswerer(int button)
    : button_(button), helper_(&CBoxAnswerer::Watch, this, GetCurrentThreadId()) {}

CBoxAnswerer::~CBoxAnswerer() {
  if (helper_.joinable()) helper_.join();
}

bool CBoxAnswerer::Join() {
  if (helper_.joinable()) helper_.join();
  return answered_;
}

void CBoxAnswerer::Watch(DWORD threadId) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    Search search;
    EnumThreadWindows(threadId, FindMessageBox, reinterpret_cast<LPARAM>(&search));
    if (search.box != nullptr) {
      caption = TextOf(search.box);
      text = TextOf(GetDlgItem(search.box, 0xFFFF));
      answered_ = true;
      PostMessageA(search.box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(search.box, button_)));
      return;
    }
    Sleep(10);
  }
}
