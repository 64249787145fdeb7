#include "jog_hold_watch.h"

#include <commctrl.h>

#include "main/win32_key_state.h"

namespace {

const UINT_PTR kSubclassId = 1;

bool IsPushed(HWND button) {
  return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

bool EndsHold(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_NCDESTROY:
      return true;
    case WM_ENABLE:
      return wParam == FALSE;
    default:
      return false;
  }
}

}  // namespace

void CJogHoldWatch::Attach(HWND dialog, const std::array<int, 8>& buttonIds, IJogHoldSink& sink) {
  sink_ = &sink;
  for (size_t i = 0; i < buttonIds.size(); ++i) {
    buttons_[i] = GetDlgItem(dialog, buttonIds[i]);
    if (buttons_[i] != nullptr)
      SetWindowSubclass(buttons_[i], ButtonProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
}

void CJogHoldWatch::Detach() {
  for (HWND& button : buttons_) {
    if (button != nullptr && IsWindow(button)) RemoveWindowSubclass(button, ButtonProc, kSubclassId);
    button = nullptr;
  }
  held_ = nullptr;
  sink_ = nullptr;
}

void CJogHoldWatch::EndHold() {
  if (held_ == nullptr) return;
  held_ = nullptr;
  if (sink_ != nullptr) sink_->HoldEnded();
}

LRESULT CALLBACK CJogHoldWatch::ButtonProc(HWND button, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<CJogHoldWatch*>(self)->OnButtonMessage(button, message, wParam, lParam);
}

LRESULT CJogHoldWatch::OnButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  // The end goes first: a release stops the axis before the button even reports its click.
  if (button == held_ && EndsHold(message, wParam)) EndHold();
  if (message == WM_NCDESTROY) RemoveWindowSubclass(button, ButtonProc, kSubclassId);
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  const bool press = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  if (press && held_ == nullptr && sink_ != nullptr && IsMouseHold(button)) {
    held_ = button;
    sink_->HoldBegan(GetDlgCtrlID(button));
  }
  if (message == WM_MOUSEMOVE && button == held_ && !IsPushed(button)) EndHold();
  return result;
}

bool CJogHoldWatch::IsMouseHold(HWND button) {
  return GetCapture() == button && IsPushed(button) && CWin32KeyState().IsClickButtonDown();
}
