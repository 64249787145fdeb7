#include "message_pump.h"

#include "dialog.h"

namespace {

int g_pumpDepth = 0;

struct PumpDepth {
  PumpDepth() { ++g_pumpDepth; }
  ~PumpDepth() { --g_pumpDepth; }
};

}  // namespace

bool InsideLongOperation() { return g_pumpDepth > 0; }

void PumpMessages(CDialog& box) {
  const PumpDepth depth;
  MSG msg;
  while (box.IsWindow() && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (box.PreTranslateMessage(msg) || IsDialogMessageA(box.Handle(), &msg)) continue;
    if (RouteDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
