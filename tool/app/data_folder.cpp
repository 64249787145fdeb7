#include "data_folder.h"

#include <cstring>

#include "../../library/transport/equals_ignoring_case.h"

const char* const kMakerFolderName = "Varnel QZ Corporation";

namespace {

void DropTrailingBackslash(std::string& path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
}

bool EnsureFolder(CDataFolderSystem& system, const std::string& path) {
  return system.Exists(path) || system.CreateSharedFolder(path);
}

bool SharedFolder(CDataFolderSystem& system, const std::string& folderName, std::string& path) {
  if (!system.BuildSecurity()) return false;
  std::string common;
  if (!system.CommonAppData(common)) return false;
  DropTrailingBackslash(common);
  std::string maker = common + "\\" + kMakerFolderName;
  if (!EnsureFolder(system, maker)) return false;
  std::string folder = maker + "\\" + folderName;
  if (!EnsureFolder(system, folder)) return false;
  DropTrailingBackslash(folder);
  path = folder;
  return true;
}

// Older systems keep the data beside the program; a program installed in a folder named
// "Program" keeps it one level up.
bool ProgramFolder(CDataFolderSystem& system, std::string& path) {
  std::string module = system.ModulePath();
  size_t lastSlash = module.find_last_of("\\/");
  if (lastSlash == std::string::npos) return false;
  std::string folder = module.substr(0, lastSlash);
  size_t parentSlash = folder.find_last_of("\\/");
  std::string last = parentSlash == std::string::npos ? folder : folder.substr(parentSlash + 1);
  if (parentSlash != std::string::npos && EqualsIgnoringCase(last, "Program")) {
    folder = folder.substr(0, parentSlash);
  }
  path = folder;
  return true;
}

}  // namespace

bool GetDataFolder(CDataFolderSystem& system, const std::string& folderName, std::string& path) {
  const std::string name = folderName.substr(0, kDataFolderPathSize - 1);
  std::string found;
  bool ok = system.IsNtAboveVersion4() ? SharedFolder(system, name, found)
                                       : ProgramFolder(system, found);
  // A path that does not fit the caller's buffer is refused rather than cut to another folder.
  if (!ok || found.size() >= static_cast<size_t>(kDataFolderPathSize)) return false;
  path = found;
  return true;
}

int GetDataFolder(CDataFolderSystem& system, const char* folderName, char* path) {
  std::string found;
  if (!GetDataFolder(system, std::string(folderName ? folderName : ""), found)) return 0;
  std::memcpy(path, found.c_str(), found.size() + 1);
  return 1;
}
