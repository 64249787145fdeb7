#include "win32_key_state.h"

#include <windows.h>

bool CWin32KeyState::IsKeyDown(int virtualKey) const {
  // The high bit tells that the key is down now; the low bit (pressed since the last query) is
  // shared with every other caller and says nothing reliable.
  return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

bool CWin32KeyState::IsClickButtonDown() const {
  // The key state of a mouse button is that of the physical one; with swapped buttons the
  // one that clicks is the physical right one.
  return IsKeyDown(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON);
}
