// The emulator's journal: one line per request it received, read back while it runs.
#pragma once

#include <string>
#include <vector>

class CJournalFile {
 public:
  explicit CJournalFile(const std::string& path) : path_(path) {}

  const std::string& path() const { return path_; }
  std::vector<std::string> Lines() const;
  // Remembers how far the journal goes now, so that later lines can be told apart.
  void Mark() { mark_ = Lines().size(); }
  std::vector<std::string> LinesSinceMark() const;

 private:
  std::string path_;
  size_t mark_ = 0;
};

// Lowercase hex of bytes, as the journal writes payloads.
std::string Hex(const void* data, size_t length);
// Lowercase hex of 16- and 32-bit values in the byte order given.
std::string Hex16(unsigned value, bool bigEndian);
std::string Hex32(unsigned long value, bool bigEndian);
