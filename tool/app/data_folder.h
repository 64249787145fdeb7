// The tool's shared data folder (the home of the log files): on current systems a folder under
// the maker's folder in the common application data folder, created so that every user of the
// computer may write there; on older systems the program's own folder.
#pragma once

#include <string>

extern const char* const kMakerFolderName;  // "Varnel QZ Corporation"
constexpr int kDataFolderPathSize = 260;

class CDataFolderSystem {
 public:
  virtual ~CDataFolderSystem() {}
  virtual bool IsNtAboveVersion4() = 0;
  // Prepares the security attributes that give every user full access to a created folder.
  virtual bool BuildSecurity() = 0;
  // The common application data folder, from shell32 loaded for the call only.
  virtual bool CommonAppData(std::string& folder) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool CreateSharedFolder(const std::string& path) = 0;
  virtual std::string ModulePath() = 0;  // the program file's full path
};

// Writes the folder's path, without a trailing backslash, into path (at least 260 bytes) and
// returns nonzero; returns 0 and leaves path untouched when the folder cannot be had.
int GetDataFolder(CDataFolderSystem& system, const char* folderName, char* path);

// The same answer as a string; false when there is none.
bool GetDataFolder(CDataFolderSystem& system, const std::string& folderName, std::string& path);
