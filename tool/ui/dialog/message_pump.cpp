#include "message_pump.h"

#include "dialog.h"

void PumpMessages(CDialog& box) {
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
