// The library's file access on Windows: files opened share-read, errors shown in the standard
// box under the library's own name.
#include <windows.h>

#include "file_access.h"
#include "win32_file.h"

namespace {

class CWin32FileSource : public CFileSource {
 public:
  explicit CWin32FileSource(std::string path)
      : file_(path, CWin32File::Access::kReadExisting), path_(std::move(path)) {}
  bool IsOpen() const { return file_.IsOpen(); }
  unsigned long OpenError() const { return file_.LastError(); }
  int Read(void* buffer, int length) override {
    return file_.Read(buffer, static_cast<uint32_t>(length));
  }
  std::string FullPath() const override {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path_.c_str(), MAX_PATH, full, nullptr);
    return (length == 0 || length >= MAX_PATH) ? path_ : std::string(full, length);
  }

 private:
  CWin32File file_;
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
    auto source = std::make_unique<CWin32FileSource>(path);
    if (!source->IsOpen()) {
      error = static_cast<int>(source->OpenError());
      return nullptr;
    }
    return source;
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
