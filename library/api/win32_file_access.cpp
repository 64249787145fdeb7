// The library's file access on Windows: files opened share-read, errors shown in the standard
// box under the library's own name.
#include <windows.h>

#include "file_access.h"

namespace {

class CWin32FileSource : public CFileSource {
 public:
  CWin32FileSource(HANDLE file, std::string path) : file_(file), path_(std::move(path)) {}
  ~CWin32FileSource() override { CloseHandle(file_); }
  int Read(void* buffer, int length) override {
    DWORD count = 0;
    if (!ReadFile(file_, buffer, static_cast<DWORD>(length), &count, nullptr)) return -1;
    return static_cast<int>(count);
  }
  std::string FullPath() const override {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path_.c_str(), MAX_PATH, full, nullptr);
    return (length == 0 || length >= MAX_PATH) ? path_ : std::string(full, length);
  }

 private:
  HANDLE file_;
  std::string path_;
};

// The box is captioned with the library's module name, as the engineer knows it from the
// temporary folder.
std::string LibraryCaption() {
  HMODULE module = nullptr;
  char path[MAX_PATH] = "";
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&LibraryCaption), &module);
  GetModuleFileNameA(module, path, MAX_PATH);
  std::string name(path);
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

class CWin32FileAccess : public CFileAccess {
 public:
  std::unique_ptr<CFileSource> OpenForSending(const std::string& path, int& error) override {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      error = static_cast<int>(GetLastError());
      return nullptr;
    }
    return std::make_unique<CWin32FileSource>(file, path);
  }
  void ShowFileError(const std::string& message) override {
    MessageBoxA(nullptr, message.c_str(), LibraryCaption().c_str(),
                MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
  }
};

}  // namespace

CFileAccess& SystemFileAccess() {
  static CWin32FileAccess access;
  return access;
}
