#include "program_version.h"

#include <windows.h>

#include <vector>

std::optional<FileVersion> ReadProgramFileVersion() {
  char path[MAX_PATH] = "";
  if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0) return std::nullopt;
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return std::nullopt;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path, 0, size, data.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  return FileVersion{fixed->dwFileVersionMS, fixed->dwFileVersionLS};
}
