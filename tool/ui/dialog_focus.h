// Tab and Shift+Tab in a top-level dialog whose child dialogs (pages, the log panel) are control
// parents: the system's walk over every visible, enabled tab stop, with each group of radio
// buttons one stop at its checked button.
#pragma once

#include <windows.h>

// Moves the focus to the next (or previous) tab stop of dialog from the control that has it.
void MoveDialogFocus(HWND dialog, bool forward);
