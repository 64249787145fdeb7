#include "dialog_init.h"

namespace {

unsigned ReadWord(const uint8_t* p) { return p[0] | (p[1] << 8); }

uint32_t ReadDword(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

std::vector<DialogInitEntry> ParseDialogInit(const uint8_t* data, size_t size) {
  const size_t kHeader = 8;  // control id, message (words), byte count (dword)
  std::vector<DialogInitEntry> entries;
  size_t at = 0;
  while (at + 2 <= size) {
    const unsigned control = ReadWord(data + at);
    if (control == 0 || at + kHeader > size) break;
    const unsigned message = ReadWord(data + at + 2);
    const uint32_t count = ReadDword(data + at + 4);
    at += kHeader;
    if (count > size - at) break;
    std::string text(reinterpret_cast<const char*>(data + at), count);
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) text.erase(nul);
    entries.push_back({static_cast<int>(control), message, text});
    at += count;
  }
  return entries;
}

bool IsComboAddString(unsigned message) {
  const unsigned kComboAddString16 = 0x0403;
  const unsigned kComboAddString32 = 0x0143;
  return message == kComboAddString16 || message == kComboAddString32;
}
