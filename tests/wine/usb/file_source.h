// The read side of a file for SendFile, as the library's callers hand it over.
#pragma once

#include <cstdio>
#include <string>

#include "transport.h"

class CStdioFileSource : public CFileSource {
 public:
  explicit CStdioFileSource(const std::string& path)
      : path_(path), file_(std::fopen(path.c_str(), "rb")) {}
  ~CStdioFileSource() override {
    if (file_) std::fclose(file_);
  }
  bool isOpen() const { return file_ != nullptr; }
  int Read(void* buffer, int length) override {
    const size_t count = std::fread(buffer, 1, static_cast<size_t>(length), file_);
    return std::ferror(file_) ? -1 : static_cast<int>(count);
  }
  std::string FullPath() const override { return path_; }

 private:
  std::string path_;
  FILE* file_;
};
