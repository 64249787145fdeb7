// The tool's message boxes. Each is owned by the thread's active window and carries the
// program's name as caption.
#pragma once

#include <windows.h>

#include <string>

#include "../../../service/wrapper/tool_platform.h"

enum class BoxIcon { kNone, kInformation };
// The button that Enter presses in a question.
enum class BoxDefault { kYes, kNo };

// An announcement of success or of a cancel: information icon, OK.
void ShowInformation(const std::string& text);
// A failure the engineer must see: no icon, OK only.
void ShowMessage(const std::string& text);
// A question: Yes and No; true for Yes.
bool AskYesNo(const std::string& text, BoxIcon icon = BoxIcon::kNone,
              BoxDefault defaultButton = BoxDefault::kYes);
// The standard file-error box, naming the file.
void ShowFileError(const std::string& path, FileFault fault);
// The standard box for memory exhaustion.
void ShowOutOfMemory();

// The boxes behind the tool's platform seam.
class CMessageBoxNotice : public CUserNotice {
 public:
  void Message(const std::string& text) override { ShowMessage(text); }
  void FileError(const std::string& path, FileFault fault) override { ShowFileError(path, fault); }
};
