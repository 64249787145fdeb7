// Watches the jog buttons for a hold by the mouse. A hold begins only when the button's own
// left-button press finds the logical left mouse button physically down, the button holding the
// mouse capture and showing itself pushed; a Space key on a focused button, or a pushed state
// set from outside, begins none. It ends at the first of: the button let go, the pointer sliding
// off, the capture or the focus lost, the window disabled or left (EndHold), so that the stop
// goes out at that moment instead of at the next tick.
#pragma once

#include <windows.h>

#include <array>

class IJogHoldSink {
 public:
  virtual void HoldBegan(int controlId) = 0;
  virtual void HoldEnded() = 0;

 protected:
  ~IJogHoldSink() {}
};

class CJogHoldWatch {
 public:
  ~CJogHoldWatch() { Detach(); }

  void Attach(HWND dialog, const std::array<int, 8>& buttonIds, IJogHoldSink& sink);
  void Detach();
  // Ends a hold in progress, if any.
  void EndHold();

 private:
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
  LRESULT OnButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
  static bool IsMouseHold(HWND button);

  std::array<HWND, 8> buttons_{};
  IJogHoldSink* sink_ = nullptr;
  HWND held_ = nullptr;
};
