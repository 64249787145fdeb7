#include "installed_package.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "../driver/window_driver.h"
#include "harness/emulator_process.h"

namespace {

const char kProductName[] = "HVX-40 Service";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr DWORD kMsiexecTimeoutMs = 180000;

std::string KnownFolder(int id) {
  char path[MAX_PATH] = "";
  if (FAILED(SHGetFolderPathA(nullptr, id, nullptr, 0, path))) return std::string();
  return path;
}

std::string RegistryText(HKEY key, const char* name) {
  char value[512] = "";
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::string();
  }
  return value;
}

}  // namespace

int RunMsiexec(const std::string& arguments, const std::string& logPath) {
  return RunProgram("msiexec " + arguments + " /qn /l*v " + QuoteArgument(logPath),
                    kMsiexecTimeoutMs);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace {

struct BoxSearch {
  const std::string* text;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM search) {
  BoxSearch* box = reinterpret_cast<BoxSearch*>(search);
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (!IsWindowVisible(window) || std::string(name) != "#32770") return TRUE;
  const std::vector<std::string> texts = CWindowDriver::ChildTexts(window);
  if (std::find(texts.begin(), texts.end(), *box->text) == texts.end()) return TRUE;
  box->found = window;
  return FALSE;
}

}  // namespace

HWND WaitForBoxWithText(const std::string& text, DWORD timeoutMs) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100)) {
    BoxSearch search = {&text, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
  }
  return nullptr;
}

std::string InstallFolder() {
  return KnownFolder(CSIDL_PROGRAM_FILES) + "\\Varnel QZ Corporation\\HVX-40 Service\\";
}

std::vector<std::string> MenuFolders() {
  std::vector<std::string> found;
  for (int id : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    const std::string folder = KnownFolder(id) + "\\" + kProductName + "\\";
    if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) found.push_back(folder);
  }
  return found;
}

ShortcutFacts ReadShortcut(const std::string& linkPath) {
  ShortcutFacts facts;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::wstring wide(linkPath.begin(), linkPath.end());
      if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        char text[MAX_PATH] = "";
        facts.read = SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0));
        facts.target = text;
        link->GetArguments(text, MAX_PATH);
        facts.arguments = text;
        link->GetWorkingDirectory(text, MAX_PATH);
        facts.workingFolder = text;
      }
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return facts;
}

std::vector<UninstallEntry> UninstallEntries() {
  std::vector<UninstallEntry> entries;
  HKEY programs = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &programs) != ERROR_SUCCESS) {
    return entries;
  }
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(programs, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    HKEY program = nullptr;
    if (RegOpenKeyExA(programs, name, 0, KEY_READ, &program) != ERROR_SUCCESS) continue;
    if (RegistryText(program, "DisplayName") == kProductName) {
      entries.push_back(
          {RegistryText(program, "DisplayVersion"), RegistryText(program, "Publisher")});
    }
    RegCloseKey(program);
  }
  RegCloseKey(programs);
  return entries;
}

std::string Setting(const char* name) {
  char value[MAX_PATH] = "";
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}
