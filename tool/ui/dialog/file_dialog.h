// The common open and save file boxes. Filters are "|" lists (see file_filter.h); the read-only
// box is always hidden.
#pragma once

#include <windows.h>

#include <string>

// The chosen file in path; false when the engineer cancelled.
bool AskOpenPath(HWND owner, const std::string& filter, std::string& path);
// As AskOpenPath, with the overwrite prompt. A non-empty defaultExtension ("txt", or "*") is
// appended by the box to a name typed without one.
bool AskSavePath(HWND owner, const std::string& filter, const std::string& defaultExtension,
                 std::string& path);
