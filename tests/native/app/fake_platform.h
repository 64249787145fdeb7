// The tool's platform over a real scratch folder (backslashes mapped), a loader handing out the
// fake tables, and a notice keeping every box shown.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "../../../service/wrapper/tool_platform.h"

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& WinPath() const { return winPath_; }

 private:
  std::string winPath_;
};

std::string HostPath(const std::string& winPath);

class TestFileStore : public CFileStore {
 public:
  explicit TestFileStore(const std::string& tempFolder) : temp_(tempFolder) {}
  bool TempFolder(std::string& folder) override;
  bool Exists(const std::string& path) override;
  FileFault ReadAll(const std::string& path, std::vector<uint8_t>& bytes) override;
  FileFault WriteAll(const std::string& path, const void* data, size_t length) override;
  FileFault Remove(const std::string& path) override;
  FileFault Append(const std::string& path, const std::string& text) override;
  int64_t Size(const std::string& path) override;
  FileFault Rename(const std::string& from, const std::string& to) override;

  bool noTempFolder = false;
  std::set<std::string> lockedPaths;  // writes and removals of these fail as if in use
  std::map<std::string, FileFault> removeFaults;  // removals of these fail so, writes succeed
  std::vector<std::string> renames;   // "from -> to" of every rename that happened

 private:
  std::string temp_;
};

class TestNotice : public CUserNotice {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  void FileError(const std::string& path, FileFault) override { fileErrors.push_back(path); }
  std::vector<std::string> messages;
  std::vector<std::string> fileErrors;
};

class TestImage : public CEmbeddedLibrary {
 public:
  bool Read(std::vector<uint8_t>& out) override {
    out = bytes;
    return !bytes.empty();
  }
  std::vector<uint8_t> bytes{'M', 'Z', 0x90, 0x00, 'h', 'v', 'x'};
};

class TestLoader : public CLibraryLoader {
 public:
  void* Load(const std::string& path) override;
  void* GetProc(void* module, const char* exportName) override;
  void Free(void* module) override;

  bool loadFails = false;
  std::set<std::string> missingExports;
  std::set<std::string> nullTables;
  std::vector<std::string> loadedPaths;
  int loadedCount = 0;  // loads not yet freed
};
