#include "win32_file.h"

#include <windows.h>

namespace {

constexpr DWORD kWritePiece = 0x100000;

HANDLE Open(const std::string& path, CWin32File::Access access) {
  const bool read = access == CWin32File::Access::kReadExisting;
  return CreateFileA(path.c_str(), read ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                     read ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

CWin32File::CWin32File(const std::string& path, Access access) : handle_(Open(path, access)) {
  if (!IsOpen()) KeepError();
}

CWin32File::~CWin32File() {
  if (IsOpen()) CloseHandle(handle_);
}

bool CWin32File::IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

void CWin32File::KeepError() { error_ = GetLastError(); }

int CWin32File::Read(void* buffer, uint32_t length) {
  DWORD count = 0;
  if (!ReadFile(handle_, buffer, length, &count, nullptr)) {
    KeepError();
    return -1;
  }
  return static_cast<int>(count);
}

bool CWin32File::WriteAll(const void* data, size_t length) {
  const char* next = static_cast<const char*>(data);
  while (length > 0) {
    DWORD written = 0;
    const DWORD piece = length > kWritePiece ? kWritePiece : static_cast<DWORD>(length);
    if (!WriteFile(handle_, next, piece, &written, nullptr) || written == 0) {
      KeepError();
      return false;
    }
    next += written;
    length -= written;
  }
  return true;
}
