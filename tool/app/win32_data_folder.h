// The data folder on Win32: the system's version, the shell's common data folder, and folders
// created with the all-users security.
#pragma once

#include "data_folder.h"
#include "security_attr.h"

class CWin32DataFolderSystem : public CDataFolderSystem {
 public:
  bool IsNtAboveVersion4() override;
  bool BuildSecurity() override;
  bool CommonAppData(std::string& folder) override;
  bool Exists(const std::string& path) override;
  bool CreateSharedFolder(const std::string& path) override;
  std::string ModulePath() override;

 private:
  CSecurityAttr security_;
  SECURITY_ATTRIBUTES* attributes_ = nullptr;
};

// The data folder of the running tool for folderName; path holds at least 260 bytes.
int GetDataFolder(const char* folderName, char* path);
