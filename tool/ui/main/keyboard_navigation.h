// What the main window does with Tab: Tab and Shift+Tab move through every enabled control of
// the window and of the page in view, the log panel's included; Ctrl+Tab and Ctrl+Shift+Tab
// change pages. The window handles these itself because the log panel's multi-line text would
// otherwise keep Tab to itself, and nothing else in the window turns pages from the keyboard.
#pragma once

enum class TabKeyAction { kNone, kNextControl, kPreviousControl, kNextPage, kPreviousPage };

// The action of a key-down of virtualKey with the modifier keys as they are; kNone for any key
// but Tab, and for Alt+Tab, which belongs to the system.
TabKeyAction TabKeyActionFor(int virtualKey, bool ctrl, bool shift, bool alt);

// The page that Ctrl+Tab (forward) or Ctrl+Shift+Tab shows after current, wrapping around.
int PageAfter(int current, int pageCount, bool forward);
