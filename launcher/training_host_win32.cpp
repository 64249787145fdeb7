#include "training_host_win32.h"

#include <vector>

#include "simulator_block.h"

namespace {

const char kEmulatorFile[] = "hvx40sim.exe";
const char kToolFile[] = "HVX40MEK.exe";
const char kToolArguments[] = "/simulator";
const char kErrorCaption[] = "HVX-40 training simulator";
// The emulator's exit code when another emulator already serves the machine.
constexpr DWORD kEmulatorAlreadyRunning = 4;
constexpr DWORD kServeWaitMs = 20000;
constexpr DWORD kPollMs = 100;
constexpr DWORD kCloseWaitMs = 5000;

HANDLE Launch(const std::string& commandLine, DWORD* processId) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  if (processId != nullptr) *processId = info.dwProcessId;
  return info.hProcess;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The emulator of the model's own machine, the one the tool connects in simulator mode; other
// emulators may run beside it under other device names.
std::string EmulatorTitle() { return simblock::SimulatorWindowTitle(simblock::kPlainEventsDevice); }

}  // namespace

std::string OwnProgramFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

CWin32TrainingHost::CWin32TrainingHost(std::string programFolder)
    : folder_(std::move(programFolder)) {}

CWin32TrainingHost::~CWin32TrainingHost() {
  if (emulator_ != nullptr) CloseHandle(emulator_);
}

HWND CWin32TrainingHost::EmulatorWindow() const {
  HWND window = FindWindowA(simblock::kSimulatorWindowClass, EmulatorTitle().c_str());
  DWORD owner = 0;
  if (window != nullptr) GetWindowThreadProcessId(window, &owner);
  return owner == emulatorId_ ? window : nullptr;
}

EmulatorStart CWin32TrainingHost::StartEmulator() {
  if (FindWindowA(simblock::kSimulatorWindowClass, EmulatorTitle().c_str()) != nullptr) {
    return EmulatorStart::kAlreadyRunning;
  }
  emulator_ = Launch(Quoted(folder_ + kEmulatorFile), &emulatorId_);
  if (emulator_ == nullptr) return EmulatorStart::kFailed;
  // The emulator opens its window once its machine is served.
  for (DWORD waited = 0; waited < kServeWaitMs; waited += kPollMs) {
    if (EmulatorWindow() != nullptr) return EmulatorStart::kStarted;
    if (WaitForSingleObject(emulator_, kPollMs) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(emulator_, &code);
      CloseHandle(emulator_);
      emulator_ = nullptr;
      return code == kEmulatorAlreadyRunning ? EmulatorStart::kAlreadyRunning
                                             : EmulatorStart::kFailed;
    }
  }
  EndEmulator();
  return EmulatorStart::kFailed;
}

bool CWin32TrainingHost::RunTool() {
  HANDLE tool = Launch(Quoted(folder_ + kToolFile) + " " + kToolArguments, nullptr);
  if (tool == nullptr) return false;
  WaitForSingleObject(tool, INFINITE);
  CloseHandle(tool);
  return true;
}

void CWin32TrainingHost::EndEmulator() {
  if (emulator_ == nullptr) return;
  if (HWND window = EmulatorWindow()) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(emulator_, kCloseWaitMs) != WAIT_OBJECT_0) {
    TerminateProcess(emulator_, 1);
    WaitForSingleObject(emulator_, kCloseWaitMs);
  }
  CloseHandle(emulator_);
  emulator_ = nullptr;
}

void CWin32TrainingHost::ShowError(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
}
