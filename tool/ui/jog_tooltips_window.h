// The tooltips of the jog buttons: each names the key chord that makes the same move. The
// tooltip asks the main window for its text whenever it is about to show.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CJogTooltips {
 public:
  ~CJogTooltips();
  // Creates the tooltip window over the dialog and registers every jog button with it.
  bool Create(HWND dialog);
  // Answers a text request of the tooltip; false for any other notification.
  static bool AnswerTextRequest(NMHDR* header);

 private:
  HWND tooltip_ = nullptr;
};
