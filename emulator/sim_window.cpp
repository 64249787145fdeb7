#include "sim_window.h"

#include <string>

#include "state_dump.h"

namespace {

enum ControlId { kIdText = 100, kIdCover, kIdLimitX, kIdLimitY, kIdLimitZ, kIdRestart };
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 200;

struct ButtonLayout {
  int id;
  const char* caption;
  DWORD style;
};
// The sensor buttons stay pressed while they hold their sensor on.
const ButtonLayout kButtons[] = {
    {kIdCover, "Open Cover", BS_PUSHBUTTON},
    {kIdLimitX, "X Limit", BS_AUTOCHECKBOX | BS_PUSHLIKE},
    {kIdLimitY, "Y Limit", BS_AUTOCHECKBOX | BS_PUSHLIKE},
    {kIdLimitZ, "Z Limit", BS_AUTOCHECKBOX | BS_PUSHLIKE},
    {kIdRestart, "Restart", BS_PUSHBUTTON},
};

}  // namespace

CSimWindow::CSimWindow(CMachineModel& machine, CServerSwitches& server, std::mutex& mutex)
    : machine_(machine), server_(server), mutex_(mutex), channel_(machine, server) {}

bool CSimWindow::Create(HINSTANCE instance, const char* title) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = simblock::kSimulatorWindowClass;
  // A second emulator in the same process space finds the class registered already.
  if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  window_ = CreateWindowA(simblock::kSimulatorWindowClass, title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                          WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, 600, 230, nullptr,
                          nullptr, instance, this);
  if (!window_) return false;
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  return true;
}

LRESULT CALLBACK CSimWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<CSimWindow*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = reinterpret_cast<CSimWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return self ? self->Handle(message, wParam, lParam)
              : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CSimWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      SetTimer(window_, kRefreshTimer, kRefreshMs, nullptr);
      Refresh();
      return 0;
    case WM_TIMER:
      Refresh();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnButton(LOWORD(wParam));
      return 0;
    case WM_COPYDATA:
      return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DESTROY:
      KillTimer(window_, kRefreshTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void CSimWindow::CreateControls() {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
  // A fixed-pitch font keeps the columns of the state lines aligned.
  font_ = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
  text_ = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 570, 120, window_,
                        reinterpret_cast<HMENU>(kIdText), instance, nullptr);
  SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  int x = 10;
  for (const ButtonLayout& button : kButtons) {
    HWND control = CreateWindowA("BUTTON", button.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                 button.style, x, 145, 105, 28, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                                 instance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    x += 115;
  }
}

void CSimWindow::Refresh() {
  std::string text;
  bool coverOpen = false;
  bool forced[kLinearAxes] = {};
  {
    std::lock_guard<std::mutex> hold(mutex_);
    text = DisplayText(machine_, server_);
    coverOpen = machine_.coverOpen();
    for (int axis = 0; axis < kLinearAxes; ++axis) forced[axis] = machine_.motion().sensorForced(axis);
  }
  char current[1024];
  GetWindowTextA(text_, current, sizeof current);
  if (text != current) SetWindowTextA(text_, text.c_str());  // unchanged text does not flicker
  SetDlgItemTextA(window_, kIdCover, coverOpen ? "Close Cover" : "Open Cover");
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    CheckDlgButton(window_, kIdLimitX + axis, forced[axis] ? BST_CHECKED : BST_UNCHECKED);
  }
}

void CSimWindow::OnButton(int id) {
  static const char* const kSensorCommand[] = {"sensor x ", "sensor y ", "sensor z "};
  if (id == kIdCover) {
    bool open;
    {
      std::lock_guard<std::mutex> hold(mutex_);
      open = machine_.coverOpen();
    }
    Run(open ? "cover close" : "cover open");
  } else if (id >= kIdLimitX && id <= kIdLimitZ) {
    bool on = IsDlgButtonChecked(window_, id) == BST_CHECKED;
    Run(std::string(kSensorCommand[id - kIdLimitX]) + (on ? "on" : "off"));
  } else if (id == kIdRestart) {
    Run("restart");
  }
  Refresh();
}

LRESULT CSimWindow::OnCopyData(const COPYDATASTRUCT* data) {
  if (!data || data->dwData != kControlCommandData || !data->lpData) return FALSE;
  const char* bytes = static_cast<const char*>(data->lpData);
  // The text ends at its NUL or at the end of the data, whichever comes first.
  std::string command(bytes, strnlen(bytes, data->cbData));
  ControlResult result = Run(command);
  if (result == ControlResult::kQuit) PostMessageA(window_, WM_CLOSE, 0, 0);
  return result == ControlResult::kFailed ? FALSE : TRUE;
}

ControlResult CSimWindow::Run(const std::string& command) {
  std::lock_guard<std::mutex> hold(mutex_);
  return channel_.Execute(command);
}
