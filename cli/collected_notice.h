// The wrapper's notices without a box: the console program has no window to show them in, so
// the last one is kept and becomes part of the failure line.
#pragma once

#include <string>

#include "../service/texts/message_texts.h"
#include "../service/wrapper/tool_platform.h"

class CCollectedNotice : public CUserNotice {
 public:
  void Message(const std::string& text) override { last_ = text; }
  void FileError(const std::string& path, FileFault fault) override {
    last_ = FileErrorText(path, fault);
  }
  const std::string& Last() const { return last_; }

 private:
  std::string last_;
};

// The console program carries no library image: it loads the library installed beside it.
class CNoEmbeddedLibrary : public CEmbeddedLibrary {
 public:
  bool Read(std::vector<uint8_t>& /*bytes*/) override { return false; }
};
