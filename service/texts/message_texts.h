// Texts of the standard boxes: the file-error box and the caption every box carries. Portable.
#pragma once

#include <string>

#include "../wrapper/tool_platform.h"

// The file-error box's text for a file that could not be opened, read, written or deleted,
// naming the file: "C:\x\a.txt was not found.", "Access to C:\x\a.txt was denied.", ...
std::string FileErrorText(const std::string& path, FileFault fault);

// The fault that a system error code of a failed file operation stands for.
FileFault FileFaultFromSystemError(unsigned long code);

// The tool's boxes carry the program's name: the file name of its path without the extension.
std::string BoxCaptionFromProgramPath(const std::string& path);
