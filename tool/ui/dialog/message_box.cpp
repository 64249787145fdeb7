#include "message_box.h"

#include "../../../service/texts/message_texts.h"

namespace {

std::string BoxCaption() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return BoxCaptionFromProgramPath(path);
}

int Box(const std::string& text, UINT type) {
  return MessageBoxA(GetActiveWindow(), text.c_str(), BoxCaption().c_str(), type);
}

}  // namespace

void ShowInformation(const std::string& text) { Box(text, MB_OK | MB_ICONINFORMATION); }

void ShowMessage(const std::string& text) { Box(text, MB_OK); }

bool AskYesNo(const std::string& text, BoxIcon icon, BoxDefault defaultButton) {
  const UINT iconType = icon == BoxIcon::kInformation ? MB_ICONINFORMATION : 0;
  const UINT defaultType = defaultButton == BoxDefault::kNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
  return Box(text, MB_YESNO | iconType | defaultType) == IDYES;
}

void ShowFileError(const std::string& path, FileFault fault) {
  Box(FileErrorText(path, fault), MB_OK | MB_ICONEXCLAMATION);
}

void ShowOutOfMemory() { Box("Out of memory.", MB_OK | MB_ICONSTOP); }
