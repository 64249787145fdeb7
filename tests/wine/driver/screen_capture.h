// Saves what a window shows on the screen as a 24-bit .bmp file, for looking at the layouts.
#pragma once

#include <windows.h>

#include <string>

// The folder build/<tree>/screenshots beside the test program's bin folder; created when missing.
std::string ScreenshotFolder();

bool SaveWindowPicture(HWND hwnd, const std::string& path);
