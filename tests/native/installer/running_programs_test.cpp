// The installer refuses to remove or replace files of a program running from the installation
// folder, names each such program once, and leaves every other running program alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "running_programs.h"

namespace {

const char kFolder[] = "C:\\Program Files\\Varnel QZ Corporation\\HVX-40 Service\\";

struct FolderCase {
  const char* name;
  std::string folder;
  std::vector<std::string> images;
  std::vector<std::string> running;
};

TEST(RunningPrograms, OnlyProgramsFromTheInstallationFolderCount) {
  const std::string tool = std::string(kFolder) + "HVX40MEK.exe";
  const std::vector<FolderCase> cases = {
      {"none running", kFolder, {"C:\\windows\\system32\\msiexec.exe"}, {}},
      {"the tool", kFolder, {"C:\\windows\\explorer.exe", tool}, {"HVX40MEK.exe"}},
      {"letter case and slashes differ", kFolder,
       {"c:/program files/varnel qz corporation/hvx-40 service/hvx40ctl.exe"}, {"hvx40ctl.exe"}},
      {"folder without its backslash",
       "C:\\Program Files\\Varnel QZ Corporation\\HVX-40 Service", {tool}, {"HVX40MEK.exe"}},
      {"two copies of the tool and the emulator", kFolder,
       {tool, std::string(kFolder) + "hvx40sim.exe", tool}, {"HVX40MEK.exe", "hvx40sim.exe"}},
      {"a build folder of the same name is elsewhere", kFolder,
       {"C:\\Program Files\\Varnel QZ Corporation\\HVX-40 Service 2\\HVX40MEK.exe",
        "Z:\\work\\build\\win32\\bin\\HVX40MEK.exe"},
       {}},
      {"no folder known", "", {tool, "HVX40MEK.exe"}, {}},
  };
  for (const FolderCase& c : cases) {
    EXPECT_EQ(c.running, ProgramsRunningFrom(c.folder, c.images)) << c.name;
  }
}

TEST(RunningPrograms, TheMessageNamesEveryProgramAndSaysNothingChanged) {
  EXPECT_EQ("HVX-40 Service cannot be removed or replaced while its programs run. Close "
            "HVX40MEK.exe and try again; nothing was changed.",
            RunningProgramsMessage({"HVX40MEK.exe"}));
  EXPECT_EQ("HVX-40 Service cannot be removed or replaced while its programs run. Close "
            "HVX40MEK.exe, hvx40ctl.exe and hvx40sim.exe and try again; nothing was changed.",
            RunningProgramsMessage({"HVX40MEK.exe", "hvx40ctl.exe", "hvx40sim.exe"}));
}

}  // namespace
