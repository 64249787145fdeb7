// The data folder: which path comes back, which folders get created with the shared security,
// and when the answer is refused.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "command_line.h"
#include "data_folder.h"

namespace {

class FakeFolders : public CDataFolderSystem {
 public:
  bool IsNtAboveVersion4() override { return modern; }
  bool BuildSecurity() override { return securityBuilt = securityWorks; }
  bool CommonAppData(std::string& folder) override {
    folder = common;
    return commonWorks;
  }
  bool Exists(const std::string& path) override { return existing.count(path) != 0; }
  bool CreateSharedFolder(const std::string& path) override {
    if (!securityBuilt || failCreate.count(path)) return false;
    created.push_back(path);
    existing.insert(path);
    return true;
  }
  std::string ModulePath() override { return module; }

  bool modern = true, securityWorks = true, securityBuilt = false, commonWorks = true;
  std::string common = "C:\\ProgramData";
  std::string module = "C:\\Tools\\HVX40MEK.exe";
  std::set<std::string> existing, failCreate;
  std::vector<std::string> created;
};

std::string Ask(FakeFolders& system, const char* name, int* result = nullptr) {
  char buffer[kDataFolderPathSize];
  std::strcpy(buffer, "untouched");
  int ok = GetDataFolder(system, name, buffer);
  if (result) *result = ok;
  return buffer;
}

const std::string kMaker = "C:\\ProgramData\\Varnel QZ Corporation";

}  // namespace

TEST(DataFolder, CreatesMakerAndToolFoldersUnderCommonData) {
  FakeFolders system;
  EXPECT_EQ(kMaker + "\\Mek for HVX-40", Ask(system, "Mek for HVX-40"));
  EXPECT_EQ((std::vector<std::string>{kMaker, kMaker + "\\Mek for HVX-40"}), system.created);
  system.created.clear();
  EXPECT_EQ(kMaker + "\\Mek for HVX-40", Ask(system, "Mek for HVX-40"));
  EXPECT_TRUE(system.created.empty()) << "existing folders are not created again";
}

TEST(DataFolder, EmptyNameGivesTheMakersFolderWithoutTrailingBackslash) {
  FakeFolders system;
  system.common = "C:\\ProgramData\\";
  EXPECT_EQ(kMaker, Ask(system, ""));
}

TEST(DataFolder, FailuresLeaveTheBufferUntouched) {
  int result = 1;
  FakeFolders noSecurity;
  noSecurity.securityWorks = false;
  EXPECT_EQ("untouched", Ask(noSecurity, "x", &result));
  EXPECT_EQ(0, result);
  EXPECT_TRUE(noSecurity.created.empty());

  FakeFolders noShell;
  noShell.commonWorks = false;
  EXPECT_EQ("untouched", Ask(noShell, "x", &result));
  EXPECT_EQ(0, result);

  FakeFolders noCreate;
  noCreate.failCreate.insert(kMaker + "\\x");
  EXPECT_EQ("untouched", Ask(noCreate, "x", &result));
  EXPECT_EQ(0, result);

  FakeFolders tooLong;
  EXPECT_EQ("untouched", Ask(tooLong, std::string(250, 'n').c_str(), &result));
  EXPECT_EQ(0, result) << "a path that does not fit is refused, not cut";
}

TEST(DataFolder, OlderSystemsUseTheProgramsFolderOrItsParentForProgram) {
  FakeFolders system;
  system.modern = false;
  EXPECT_EQ("C:\\Tools", Ask(system, "ignored"));
  system.module = "D:\\Varnel\\PROGRAM\\HVX40MEK.exe";
  EXPECT_EQ("D:\\Varnel", Ask(system, "ignored"));
  system.module = "D:\\Varnel\\Programs\\HVX40MEK.exe";
  EXPECT_EQ("D:\\Varnel\\Programs", Ask(system, "ignored"));
  EXPECT_TRUE(system.created.empty()) << "nothing is created on older systems";
}

TEST(CommandLine, SimulatorSwitchIsAWholeWordInAnyCase) {
  EXPECT_TRUE(HasSimulatorSwitch("/simulator"));
  EXPECT_TRUE(HasSimulatorSwitch("  /SIMULATOR  "));
  EXPECT_TRUE(HasSimulatorSwitch("/other /Simulator"));
  EXPECT_FALSE(HasSimulatorSwitch(""));
  EXPECT_FALSE(HasSimulatorSwitch(nullptr));
  EXPECT_FALSE(HasSimulatorSwitch("/simulator2"));
  EXPECT_FALSE(HasSimulatorSwitch("simulator"));
}
