// A file the caller opened, held in memory; it counts the reads made on it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstddef>
#include <string>
#include <vector>

#include "transport.h"

class CMemoryFile : public CFileSource {
 public:
  explicit CMemoryFile(std::vector<uint8_t> bytes, std::string path = "C:\\work\\part.prn")
      : bytes_(std::move(bytes)), path_(std::move(path)) {}

  int Read(void* buffer, int length) override {
    ++reads;
    if (failRead) return -1;
    const size_t n = std::min(static_cast<size_t>(length), bytes_.size() - position_);
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), n,
                static_cast<uint8_t*>(buffer));
    position_ += n;
    return static_cast<int>(n);
  }
  std::string FullPath() const override { return path_; }

  int reads = 0;
  bool failRead = false;

 private:
  std::vector<uint8_t> bytes_;
  std::string path_;
  size_t position_ = 0;
};

inline std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 31 + (i >> 9));
  return bytes;
}
