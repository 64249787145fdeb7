#include "win32_platform.h"

#include <windows.h>

#include "../../service/texts/message_texts.h"
#include "../ui/dialog/message_box.h"

namespace {

const int kLibraryResourceId = 130;

FileFault LastFault() { return FileFaultFromSystemError(GetLastError()); }

// Opens with every kind of sharing, as the log and the library files are touched by other
// copies of the tool at the same time.
HANDLE OpenShared(const std::string& path, DWORD access, DWORD disposition) {
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

FileFault WriteEverything(HANDLE file, const void* data, size_t length) {
  const char* next = static_cast<const char*>(data);
  while (length > 0) {
    DWORD written = 0;
    DWORD chunk = length > 0x100000 ? 0x100000 : static_cast<DWORD>(length);
    if (!WriteFile(file, next, chunk, &written, nullptr) || written == 0) return LastFault();
    next += written;
    length -= written;
  }
  return FileFault::kNone;
}

}  // namespace

void* CWin32LibraryLoader::Load(const std::string& path) { return LoadLibraryA(path.c_str()); }

void* CWin32LibraryLoader::GetProc(void* module, const char* exportName) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), exportName));
}

void CWin32LibraryLoader::Free(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

bool CWin32FileStore::TempFolder(std::string& folder) {
  char buffer[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH) return false;
  folder.assign(buffer, length);
  return true;
}

bool CWin32FileStore::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileFault CWin32FileStore::ReadAll(const std::string& path, std::vector<uint8_t>& bytes) {
  HANDLE file = OpenShared(path, GENERIC_READ, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE) return LastFault();
  FileFault fault = FileFault::kNone;
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  while (true) {
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      fault = LastFault();
      break;
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  CloseHandle(file);
  return fault;
}

FileFault CWin32FileStore::WriteAll(const std::string& path, const void* data, size_t length) {
  HANDLE file = OpenShared(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
  if (file == INVALID_HANDLE_VALUE) return LastFault();
  FileFault fault = WriteEverything(file, data, length);
  CloseHandle(file);
  return fault;
}

FileFault CWin32FileStore::Remove(const std::string& path) {
  return DeleteFileA(path.c_str()) ? FileFault::kNone : LastFault();
}

FileFault CWin32FileStore::Append(const std::string& path, const std::string& text) {
  HANDLE file = OpenShared(path, FILE_APPEND_DATA, OPEN_ALWAYS);
  if (file == INVALID_HANDLE_VALUE) return LastFault();
  FileFault fault = WriteEverything(file, text.data(), text.size());
  CloseHandle(file);
  return fault;
}

int64_t CWin32FileStore::Size(const std::string& path) {
  HANDLE file = OpenShared(path, GENERIC_READ, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE) return -1;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(file, &size) != 0;
  CloseHandle(file);
  return ok ? size.QuadPart : -1;
}

FileFault CWin32FileStore::Rename(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) ? FileFault::kNone : LastFault();
}

bool CResourceLibraryImage::Read(std::vector<uint8_t>& bytes) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(kLibraryResourceId), "DLL");
  if (found == nullptr) return false;
  DWORD size = SizeofResource(self, found);
  HGLOBAL loaded = LoadResource(self, found);
  const uint8_t* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  if (data == nullptr || size == 0) return false;
  bytes.assign(data, data + size);
  return true;
}

CToolPlatform& Win32ToolPlatform() {
  static CWin32LibraryLoader loader;
  static CWin32FileStore files;
  static CMessageBoxNotice notice;
  static CResourceLibraryImage image;
  static CToolPlatform platform{loader, files, notice, image};
  return platform;
}
