// What an installed package left on this Windows: msiexec run as a deployment script runs it,
// the program folder, the Start menu's shortcuts, the entry in the installed programs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// msiexec with the given arguments and /qn, logging verbosely to the log file; its exit code.
int RunMsiexec(const std::string& arguments, const std::string& logPath);
std::string ReadWholeFile(const std::string& path);

// A visible message box of any program that shows the text, waiting at most timeoutMs.
HWND WaitForBoxWithText(const std::string& text, DWORD timeoutMs);

// "...\Varnel QZ Corporation\HVX-40 Service\" under this width's Program Files folder.
std::string InstallFolder();
// The Start menu folder "HVX-40 Service" where it exists, in the all-users or the user's menu.
std::vector<std::string> MenuFolders();

struct ShortcutFacts {
  bool read = false;
  std::string target, arguments, workingFolder;
};
ShortcutFacts ReadShortcut(const std::string& linkPath);

struct UninstallEntry {
  std::string version, publisher;
};
// The entries named "HVX-40 Service" in the installed programs.
std::vector<UninstallEntry> UninstallEntries();

// The value of an environment variable the package script sets; empty when missing.
std::string Setting(const char* name);
