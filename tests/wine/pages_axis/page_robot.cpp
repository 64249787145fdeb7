#include "page_robot.h"

namespace {

// The caption as the system holds it: no message goes to the window's thread, which may be busy.
std::string CaptionOf(HWND hwnd) {
  WCHAR text[256] = L"";
  InternalGetWindowText(hwnd, text, 256);
  char narrow[256] = "";
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

struct Search {
  std::string caption;
  bool messageBox = false;
  HWND found = nullptr;
};

BOOL CALLBACK FindWindowOfThread(HWND hwnd, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  char className[32] = "";
  GetClassNameA(hwnd, className, sizeof className);
  const bool dialog = std::string(className) == "#32770";
  // A message box is a system dialog with the static text whose id is 0xFFFF.
  const bool messageBox = dialog && GetDlgItem(hwnd, 0xFFFF) != nullptr;
  if (search->messageBox ? messageBox : (!messageBox && CaptionOf(hwnd) == search->caption)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string WindowTextOf(HWND hwnd) {
  std::vector<char> buffer(GetWindowTextLengthA(hwnd) + 1);
  GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

HWND FindBox(DWORD thread, const std::string& caption) {
  Search search{caption, false, nullptr};
  EnumThreadWindows(thread, FindWindowOfThread, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void ClickButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

CPageRobot::CPageRobot(std::function<void(DWORD)> action)
    : action_(action), helper_(&CPageRobot::Watch, this, GetCurrentThreadId()) {}

CPageRobot::~CPageRobot() {
  stop_ = true;
  // The helper may be waiting for this thread to answer a message about one of its windows.
  while (!finished_) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  helper_.join();
}

std::vector<std::string> CPageRobot::BoxTexts() {
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void CPageRobot::Watch(DWORD uiThread) {
  while (!stop_) {
    if (action_) action_(uiThread);
    if (!AnswerMessageBox(uiThread)) Sleep(20);
  }
  finished_ = true;
}

bool CPageRobot::AnswerMessageBox(DWORD uiThread) {
  Search search{"", true, nullptr};
  EnumThreadWindows(uiThread, FindWindowOfThread, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.push_back(WindowTextOf(GetDlgItem(search.found, 0xFFFF)));
  }
  const int button = GetDlgItem(search.found, IDYES) != nullptr ? IDYES : IDOK;
  ClickButton(search.found, button);
  // The box takes a moment to go; it must not be answered twice.
  for (int i = 0; i < 100 && IsWindow(search.found) && IsWindowVisible(search.found); ++i) Sleep(10);
  return true;
}
