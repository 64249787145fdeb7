// The tool's platform seams on Win32: loading the library, files in the temporary folder, the
// embedded library image, and the platform that bundles them with the tool's message boxes.
#pragma once

#include "../../service/wrapper/tool_platform.h"

class CWin32LibraryLoader : public CLibraryLoader {
 public:
  void* Load(const std::string& path) override;
  void* GetProc(void* module, const char* exportName) override;
  void Free(void* module) override;
};

class CWin32FileStore : public CFileStore {
 public:
  bool TempFolder(std::string& folder) override;
  bool Exists(const std::string& path) override;
  FileFault ReadAll(const std::string& path, std::vector<uint8_t>& bytes) override;
  FileFault WriteAll(const std::string& path, const void* data, size_t length) override;
  FileFault Remove(const std::string& path) override;
  FileFault Append(const std::string& path, const std::string& text) override;
  int64_t Size(const std::string& path) override;
  FileFault Rename(const std::string& from, const std::string& to) override;
};

// The resource of type "DLL", id 130, of the program's own module.
class CResourceLibraryImage : public CEmbeddedLibrary {
 public:
  bool Read(std::vector<uint8_t>& bytes) override;
};

// The platform of the running tool; lives as long as the program.
CToolPlatform& Win32ToolPlatform();
