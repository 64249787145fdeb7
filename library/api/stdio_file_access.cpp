// The native build's file access: standard C files, errors on the standard error stream.
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "file_access.h"
#include "file_error_text.h"

namespace {

class CStdioFileSource : public CFileSource {
 public:
  CStdioFileSource(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  ~CStdioFileSource() override { std::fclose(file_); }
  int Read(void* buffer, int length) override {
    const size_t count = std::fread(buffer, 1, static_cast<size_t>(length), file_);
    return std::ferror(file_) ? -1 : static_cast<int>(count);
  }
  std::string FullPath() const override { return path_; }

 private:
  std::FILE* file_;
  std::string path_;
};

int SystemErrorNumber(int errnoValue) {
  switch (errnoValue) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES: return kAccessDenied;
    case EMFILE: return kTooManyOpenFiles;
    default: return 0;
  }
}

class CStdioFileAccess : public CFileAccess {
 public:
  std::unique_ptr<CFileSource> OpenForSending(const std::string& path, int& error) override {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
      error = SystemErrorNumber(errno);
      return nullptr;
    }
    return std::make_unique<CStdioFileSource>(file, path);
  }
  void ShowFileError(const std::string& message) override { std::cerr << message << "\n"; }
};

}  // namespace

CFileAccess& SystemFileAccess() {
  static CStdioFileAccess access;
  return access;
}
