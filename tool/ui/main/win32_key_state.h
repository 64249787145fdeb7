// The global keyboard state of Windows, read the moment it is asked, whichever window has the
// focus, so that jog chords work while another window of the tool is active.
#pragma once

#include "../../../service/seams/window_seams.h"

class CWin32KeyState : public IKeyState {
 public:
  bool IsKeyDown(int virtualKey) const override;
  bool IsClickButtonDown() const override;
};
