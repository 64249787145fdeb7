// The installer package's whole life on a service PC, in order, as a deployment script drives it:
// a silent install with the training simulator, the installed programs at work against the
// emulator, an uninstall refused while the tool runs, the upgrade in place, the refused
// downgrade, and the uninstall that keeps the engineer's records. The package script names the
// two packages (the build's version and a higher one) in the environment.
#include <gtest/gtest.h>

#include <string>
#include <vector>


#include "../driver/tool_session.h"
#include "../driver/window_driver.h"
#include "e2e/harness/emulator_process.h"
#include "hvx_version.h"
#include "installed_package.h"
#include "running_programs.h"
#include "simulator_block.h"
#include "../driver/screen_capture.h"

namespace {

const char kPublisher[] = "Varnel QZ Corporation";
const std::vector<std::string> kServiceFiles = {"HVX40MEK.exe", "hvx40ctl.exe",
                                                "HVX40ServiceAPI.dll", "hvx40ctl.txt"};
const std::vector<std::string> kTrainingFiles = {"hvx40sim.exe", "HVX40Training.exe"};
const int kDeviceNameStatic = 1084;
// The emulator the training shortcut starts: the model's own machine.
const std::string kEmulatorTitle = simblock::SimulatorWindowTitle(simblock::kPlainEventsDevice);
const char* const kEmulatorClass = simblock::kSimulatorWindowClass;
constexpr DWORD kWaitMs = 20000;
constexpr int kRefused = 1603;  // ERROR_INSTALL_FAILURE

class InstalledPackage : public ::testing::Test {
 protected:
  static std::string Package() { return QuoteArgument(Setting("HVX_PACKAGE")); }
  static std::string NewerPackage() { return QuoteArgument(Setting("HVX_NEWER_PACKAGE")); }
  static std::string RebuiltPackage() { return QuoteArgument(Setting("HVX_REBUILT_PACKAGE")); }
  static std::string Version() { return Setting("HVX_PACKAGE_VERSION"); }
  static std::string NewerVersion() { return Setting("HVX_NEWER_PACKAGE_VERSION"); }
  static std::string LogPath(const char* step) {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "hvx-package-" + step + ".log";
  }
  static std::vector<std::string> Versions() {
    std::vector<std::string> versions;
    for (const UninstallEntry& entry : UninstallEntries()) versions.push_back(entry.version);
    return versions;
  }
  static bool Installed(const std::string& file) {
    return FileExists(InstallFolder() + file);
  }
  static std::string WithoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
  }
  static HWND WaitForTopWindow(const char* windowClass, const char* caption) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100)) {
      if (HWND window = FindWindowA(windowClass, caption)) return window;
    }
    return nullptr;
  }
};

TEST_F(InstalledPackage, InstallsFilesShortcutsAndOneEntry) {
  ASSERT_FALSE(Setting("HVX_PACKAGE").empty()) << "run by tests/scripts/package_test.sh";
  ASSERT_TRUE(UninstallEntries().empty()) << "the prefix must start without the package";
  ASSERT_EQ(0, RunMsiexec("/i " + Package() + " ADDLOCAL=ALL", LogPath("install")))
      << ReadWholeFile(LogPath("install"));

  for (const std::vector<std::string>* files : {&kServiceFiles, &kTrainingFiles}) {
    for (const std::string& file : *files) EXPECT_TRUE(Installed(file)) << file;
  }
  for (const char* program : {"HVX40MEK.exe", "hvx40ctl.exe", "HVX40ServiceAPI.dll"}) {
    EXPECT_EQ(ReadWholeFile(ProgramFolder() + program), ReadWholeFile(InstallFolder() + program))
        << program << " is installed as built";
  }
  EXPECT_FALSE(Installed("HVX40SetupActions.dll")) << "the installer's action stays in the package";
  EXPECT_EQ(0u, ReadWholeFile(InstallFolder() + "hvx40ctl.txt").find("hvx40ctl.exe - "));

  // Wine resolves the Start menu of a per-machine package to the user's; Windows to all users'.
  const std::vector<std::string> menus = MenuFolders();
  ASSERT_EQ(1u, menus.size());
  struct Link {
    const char* name;
    std::string target, arguments;
  };
  char system[MAX_PATH] = "";
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string folder = WithoutTrailingBackslash(InstallFolder());
  for (const Link& link : {Link{"HVX-40 Service", InstallFolder() + "HVX40MEK.exe", ""},
                           Link{"HVX-40 command prompt", std::string(system) + "\\cmd.exe",
                                "/k hvx40ctl --help"},
                           Link{"HVX-40 Training simulator", InstallFolder() + "HVX40Training.exe",
                                ""}}) {
    const ShortcutFacts facts = ReadShortcut(menus[0] + link.name + ".lnk");
    ASSERT_TRUE(facts.read) << link.name;
    EXPECT_EQ(lstrcmpiA(link.target.c_str(), facts.target.c_str()), 0)
        << link.name << ": " << facts.target;
    EXPECT_EQ(link.arguments, facts.arguments) << link.name;
    EXPECT_EQ(lstrcmpiA(folder.c_str(), WithoutTrailingBackslash(facts.workingFolder).c_str()), 0)
        << link.name << ": " << facts.workingFolder;
  }

  const std::vector<UninstallEntry> entries = UninstallEntries();
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ(Version(), entries[0].version);
  EXPECT_EQ(kPublisher, entries[0].publisher);
}

TEST_F(InstalledPackage, InstalledCommandLineReadsTheEmulatorsStatus) {
  CEmulatorProcess emulator;
  ASSERT_TRUE(emulator.Start({}));
  EXPECT_EQ(0, RunProgram(QuoteArgument(InstallFolder() + "hvx40ctl.exe") + " --simulator status",
                          kWaitMs));
  EXPECT_EQ(3, RunProgram(QuoteArgument(InstallFolder() + "hvx40ctl.exe") + " status", kWaitMs))
      << "no machine on USB";
}

// The tool's own start test, run on the installed copy.
TEST_F(InstalledPackage, InstalledToolStartsAndConnects) {
  SetEnvironmentVariableA("HVX_TOOL_FOLDER", InstallFolder().c_str());
  EXPECT_EQ(0, RunProgram(QuoteArgument(ProgramFolder() + "app_wine_tests.exe") +
                              " --gtest_filter=ToolInSimulatorMode.ConnectsByItself*",
                          120000));
  SetEnvironmentVariableA("HVX_TOOL_FOLDER", nullptr);
}

TEST_F(InstalledPackage, TrainingShortcutRunsTheToolOnTheEmulatorAndEndsIt) {
  ASSERT_EQ(nullptr, FindWindowA(kEmulatorClass, kEmulatorTitle.c_str()));
  HANDLE process = StartProgram(QuoteArgument(InstallFolder() + "HVX40Training.exe"));
  ASSERT_NE(nullptr, process);
  EXPECT_NE(nullptr, WaitForTopWindow(kEmulatorClass, kEmulatorTitle.c_str()))
      << "the emulator runs";
  HWND main = WaitForTopWindow(nullptr, HVX_MAIN_WINDOW_TITLE);
  ASSERT_NE(nullptr, main) << "the installed tool runs";
  std::string device;
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100)) {
    if ((device = CWindowDriver::ItemText(main, kDeviceNameStatic)) == "Varnel HVX-40") break;
  }
  EXPECT_EQ("Varnel HVX-40", device) << "connected to the emulator";
  Sleep(700);  // the tool paints after each change; give it the time to reach the screen
  SaveWindowPicture(main, ScreenshotFolder() + "\\installed_training_tool.bmp");

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(process, kWaitMs));
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  EXPECT_EQ(0u, code);
  EXPECT_EQ(nullptr, FindWindowA(kEmulatorClass, kEmulatorTitle.c_str()))
      << "the emulator ends with the tool";
}

TEST_F(InstalledPackage, UninstallIsRefusedWhileTheToolRuns) {
  CToolSession tool;
  SetEnvironmentVariableA("HVX_TOOL_FOLDER", InstallFolder().c_str());
  ASSERT_TRUE(tool.Start("/simulator"));
  SetEnvironmentVariableA("HVX_TOOL_FOLDER", nullptr);
  Sleep(2000);
  EXPECT_EQ(kRefused, RunMsiexec("/x " + Package(), LogPath("refused-uninstall")));
  EXPECT_NE(std::string::npos, ReadWholeFile(LogPath("refused-uninstall"))
                                   .find(RunningProgramsMessage({"HVX40MEK.exe"})));
  for (const std::string& file : kServiceFiles) EXPECT_TRUE(Installed(file)) << file;
  EXPECT_EQ(std::vector<std::string>{Version()}, Versions());
}

// Windows carries the chosen features over to the newer package (the Upgrade table's migrate
// flag, checked with msiinfo); Wine has no MigrateFeatureStates, so the features are named again.
TEST_F(InstalledPackage, NewerPackageReplacesTheOlderInPlace) {
  ASSERT_EQ(0, RunMsiexec("/i " + NewerPackage() + " ADDLOCAL=ALL", LogPath("upgrade")))
      << ReadWholeFile(LogPath("upgrade"));
  EXPECT_EQ(std::vector<std::string>{NewerVersion()}, Versions()) << "one entry, the newer";
  for (const std::vector<std::string>* files : {&kServiceFiles, &kTrainingFiles}) {
    for (const std::string& file : *files) EXPECT_TRUE(Installed(file)) << file;
  }
}

TEST_F(InstalledPackage, RebuiltPackageOfTheSameVersionReplacesItInPlace) {
  ASSERT_EQ(0, RunMsiexec("/i " + RebuiltPackage() + " ADDLOCAL=ALL", LogPath("rebuilt")))
      << ReadWholeFile(LogPath("rebuilt"));
  EXPECT_EQ(std::vector<std::string>{NewerVersion()}, Versions()) << "still one entry";
  for (const std::string& file : kServiceFiles) EXPECT_TRUE(Installed(file)) << file;
}

// Run with the basic interface, as a double click runs it, so that the refusal shows its box.
TEST_F(InstalledPackage, OlderPackageIsRefusedWithItsMessage) {
  HANDLE msiexec = StartProgram("msiexec /i " + Package() + " /qb");
  ASSERT_NE(nullptr, msiexec);
  HWND box = WaitForBoxWithText("A newer version of HVX-40 Service is installed on this computer. "
                                "To go back to version " + Version() +
                                    ", uninstall that one first. Nothing was changed.",
                                kWaitMs);
  EXPECT_NE(nullptr, box);
  if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(msiexec, kWaitMs));
  DWORD code = 0;
  GetExitCodeProcess(msiexec, &code);
  CloseHandle(msiexec);
  EXPECT_EQ(static_cast<DWORD>(kRefused), code);
  EXPECT_EQ(std::vector<std::string>{NewerVersion()}, Versions());
  for (const std::string& file : kServiceFiles) EXPECT_TRUE(Installed(file)) << file;
}

TEST_F(InstalledPackage, UninstallRemovesWhatItInstalledAndKeepsTheRecords) {
  ASSERT_TRUE(FileExists(CurrentLogFile())) << "the installed tool wrote its log";
  const std::string record = InstallFolder() + "parameters.bin";
  HANDLE file = CreateFileA(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  CloseHandle(file);

  ASSERT_EQ(0, RunMsiexec("/x " + RebuiltPackage(), LogPath("uninstall")))
      << ReadWholeFile(LogPath("uninstall"));
  for (const std::vector<std::string>* files : {&kServiceFiles, &kTrainingFiles}) {
    for (const std::string& name : *files) EXPECT_FALSE(Installed(name)) << name;
  }
  EXPECT_TRUE(MenuFolders().empty()) << "the shortcuts and their folder are gone";
  EXPECT_TRUE(UninstallEntries().empty());
  EXPECT_TRUE(FileExists(CurrentLogFile())) << "the log files stay";
  EXPECT_TRUE(FileExists(record)) << "a record the engineer saved stays";
  DeleteFileA(record.c_str());
}

}  // namespace
