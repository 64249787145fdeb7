// The four pages of the main window's tab control, in tab order: "Info", "Axis", "Output",
// "Sub". This is the one place that names the page classes.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "dialog/dialog.h"

class CLogDlg;

constexpr int kTabPageCount = 4;
using TabPageSet = std::array<std::unique_ptr<CDialog>, kTabPageCount>;

// Each page is built with the log panel it writes to; its window is created later as a child
// of the main window.
TabPageSet MakeTabPages(CLogDlg& log);

// What the pages need to know of the main window before their windows exist: in simulator
// mode, the window by which a library loaded afresh by the firmware installation reaches the
// emulator again.
void PrepareTabPages(HWND mainWindow);
