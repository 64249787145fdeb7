#include "journal_file.h"

#include <cstdio>
#include <fstream>

std::vector<std::string> CJournalFile::Lines() const {
  std::vector<std::string> lines;
  std::ifstream file(path_);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> CJournalFile::LinesSinceMark() const {
  std::vector<std::string> lines = Lines();
  if (mark_ >= lines.size()) return {};
  return std::vector<std::string>(lines.begin() + mark_, lines.end());
}

std::string Hex(const void* data, size_t length) {
  static const char kDigits[] = "0123456789abcdef";
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  std::string text;
  for (size_t i = 0; i < length; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

std::string Hex16(unsigned value, bool bigEndian) {
  unsigned char bytes[2] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)};
  if (bigEndian) std::swap(bytes[0], bytes[1]);
  return Hex(bytes, 2);
}

std::string Hex32(unsigned long value, bool bigEndian) {
  unsigned char bytes[4];
  for (int i = 0; i < 4; ++i) bytes[bigEndian ? 3 - i : i] = static_cast<unsigned char>(value >> (8 * i));
  return Hex(bytes, 4);
}
