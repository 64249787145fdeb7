#include "win32_key_state.h"

#include <windows.h>

bool CWin32KeyState::IsKeyDown(int virtualKey) const {
  // The high bit tells that the key is down now; the low bit (pressed since the last query) is
  // shared with every other caller and says nothing reliable.
  return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}
