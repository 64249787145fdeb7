// The log line that names the file a command read, wrote or sent, so that the record tells which
// parameter image, report, cutting or firmware file was meant.
#pragma once

#include <string>

enum class FileAct { kRead, kWritten, kNotWritten, kSent, kNotSent };

// "File read: C:\a.bin", "File written: ...", "File not written: ...",
// "File sent: ...", "File not sent: ...".
std::string FileLogLine(FileAct act, const std::string& path);
