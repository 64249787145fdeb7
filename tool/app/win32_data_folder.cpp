#include "win32_data_folder.h"

namespace {

const int kCommonAppData = 35;  // CSIDL_COMMON_APPDATA
typedef HRESULT(WINAPI* FolderPathFn)(HWND, int, HANDLE, DWORD, LPSTR);

}  // namespace

bool CWin32DataFolderSystem::IsNtAboveVersion4() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion > 4;
}

bool CWin32DataFolderSystem::BuildSecurity() { return security_.Build(&attributes_) != 0; }

// shell32 is loaded for this one question only, so a tool that never logs never maps it.
bool CWin32DataFolderSystem::CommonAppData(std::string& folder) {
  HMODULE shell = LoadLibraryA("shell32.dll");
  if (shell == nullptr) return false;
  auto folderPath = reinterpret_cast<FolderPathFn>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFolderPathA")));
  char buffer[MAX_PATH] = "";
  bool ok = folderPath && SUCCEEDED(folderPath(nullptr, kCommonAppData, nullptr, 0, buffer));
  FreeLibrary(shell);
  if (ok) folder = buffer;
  return ok;
}

bool CWin32DataFolderSystem::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CWin32DataFolderSystem::CreateSharedFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), attributes_) != 0;
}

std::string CWin32DataFolderSystem::ModulePath() {
  char buffer[MAX_PATH] = "";
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length < MAX_PATH ? length : 0);
}

int GetDataFolder(const char* folderName, char* path) {
  CWin32DataFolderSystem system;
  return GetDataFolder(system, folderName, path);
}
