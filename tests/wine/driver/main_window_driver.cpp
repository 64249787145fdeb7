#include "main_window_driver.h"

#include <commctrl.h>

#include "screen_capture.h"
#include "window_driver.h"

namespace {

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

struct PageSearch {
  std::string title;
  HWND found;
};

BOOL CALLBACK MatchPage(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<PageSearch*>(param);
  char name[16] = "";
  GetClassNameA(child, name, sizeof name);
  if (std::string(name) != "#32770") return TRUE;
  for (const std::string& text : CWindowDriver::ChildTexts(child)) {
    if (text == search->title) {
      search->found = child;
      return FALSE;
    }
  }
  return TRUE;
}

}  // namespace

CHeldMouse::CHeldMouse(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  Sleep(100);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  down_ = true;
}

void CHeldMouse::Release() {
  if (!down_) return;
  SendMouse(MOUSEEVENTF_LEFTUP);
  down_ = false;
}

CHeldKeys::CHeldKeys(const std::vector<WORD>& keys) : keys_(keys) {
  for (WORD key : keys_) SendKey(key, true);
}

void CHeldKeys::Release() {
  for (auto key = keys_.rbegin(); key != keys_.rend(); ++key) SendKey(*key, false);
  keys_.clear();
}

std::string WaitForItemText(HWND dialog, int id, const std::string& expected, DWORD timeoutMs) {
  std::string text;
  for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100)) {
    if ((text = CWindowDriver::ItemText(dialog, id)) == expected) break;
  }
  return text;
}

void PostButtonClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND FindPage(HWND mainWindow, const std::string& groupTitle) {
  PageSearch search{groupTitle, nullptr};
  EnumChildWindows(mainWindow, MatchPage, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SelectTab(HWND tabControl, int index) {
  // Moving the focus of a tab control without button style selects the tab and tells the
  // parent, as a click does.
  SendMessageA(tabControl, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
}

void TakeScreenshot(const std::string& name) {
  // The tool paints on its own thread after each change; give it the time to reach the screen.
  Sleep(700);
  SaveWindowPicture(GetDesktopWindow(), ScreenshotFolder() + "\\main-" + name + ".bmp");
}
