// hvx40ctl.exe: the Win32 entry point. It builds the console program's seams from the tool's
// own Win32 adapters, loads HVX40ServiceAPI.dll by full path from the program's own folder, and
// takes Ctrl+C as a request rather than an end.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../library/controller/clock.h"
#include "../library/transport/simulator_block.h"
#include "../service/win32/win32_page_files.h"
#include "../service/win32/win32_spooler.h"
#include "../service/wrapper/controller_holder.h"
#include "../service/wrapper/hvx_all_ctr.h"
#include "../tool/app/win32_log_book.h"
#include "../tool/app/win32_platform.h"
#include "cli_runner.h"
#include "collected_notice.h"
#include "emulator_access.h"

namespace {

const char kLibraryName[] = "HVX40ServiceAPI.dll";

CInterrupt g_interrupt;

class CWin32Console : public IConsole {
 public:
  void Out(const std::string& text) override { Write(stdout, text); }
  void Err(const std::string& text) override { Write(stderr, text); }
  bool ErrIsConsole() override {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
  }

 private:
  static void Write(FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
  }
};

BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (g_interrupt.Request()) {
    std::fprintf(stderr, "\n%s\n", kUnstoppableText);
    std::fflush(stderr);
  }
  return TRUE;
}

BOOL CALLBACK CollectEmulator(HWND window, LPARAM names) {
  char className[64];
  char title[256];
  if (GetClassNameA(window, className, sizeof className) == 0 ||
      std::string(className) != simblock::kSimulatorWindowClass) {
    return TRUE;
  }
  const int length = GetWindowTextA(window, title, sizeof title);
  std::string name;
  if (length > 0 && simblock::DeviceFromWindowTitle(std::string(title, length), name)) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
  }
  return TRUE;
}

// Every running emulator has one top-level window titled with its device name.
bool RunningEmulators(std::vector<std::string>& names) {
  return EnumWindows(CollectEmulator, reinterpret_cast<LPARAM>(&names)) != 0;
}

// The library beside the program, never one found through the search path.
std::string InstalledLibraryPath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1) + kLibraryName;
}

}  // namespace

int main(int argc, char** argv) {
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  static CWin32LibraryLoader loader;
  static CWin32FileStore files;
  static CCollectedNotice notice;
  static CNoEmbeddedLibrary image;
  static CToolPlatform platform{loader, files, notice, image};
  const std::string library = InstalledLibraryPath();
  SetControllerFactory([library]() -> CHVXController* {
    CHVXAllCtr* wrapper = new CHVXAllCtr(platform, library);
    if (wrapper->IsBound()) return wrapper;
    wrapper->Unload();
    delete wrapper;
    return nullptr;
  });
  InstallLogBook();

  CWin32Console console;
  CWin32PrinterSpooler spooler;
  CPrinterAccess printers(spooler);
  CEmulatorAccess simulator(RunningEmulators);
  CWin32PageFiles pageFiles;
  CliServices services{console, printers, simulator, pageFiles, SystemClock(), g_interrupt,
                       [] { return notice.Last(); }};
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunCli(args, services);
}
