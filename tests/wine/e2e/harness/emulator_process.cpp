#include "emulator_process.h"

#include <cstdio>
#include <fstream>

#include "simulator_block.h"

namespace {

std::string EmulatorCommand() { return QuoteArgument(ProgramFolder() + "hvx40sim.exe"); }

std::string TemporaryPath(const char* prefix) {
  char folder[MAX_PATH];
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, prefix, 0, path);
  return path;
}

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string QuoteArgument(const std::string& argument) {
  return argument.find(' ') == std::string::npos ? argument : "\"" + argument + "\"";
}

HANDLE StartProgram(const std::string& commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

int RunProgram(const std::string& commandLine, DWORD timeoutMs) {
  HANDLE process = StartProgram(commandLine);
  if (!process) return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process, &code);
  } else {
    TerminateProcess(process, 1);
  }
  CloseHandle(process);
  return static_cast<int>(code);
}

bool CEmulatorProcess::Start(const std::vector<std::string>& options) {
  Stop();
  name_ = simblock::kPlainEventsDevice;
  std::string commandLine = EmulatorCommand();
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i] == "/name" && i + 1 < options.size()) name_ = options[i + 1];
    commandLine += " " + QuoteArgument(options[i]);
  }
  process_ = StartProgram(commandLine);
  if (process_ && WaitUntilServing()) return true;
  Stop();
  return false;
}

bool CEmulatorProcess::WaitUntilServing() {
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) return false;  // it ended
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, simblock::MappingName(name_).c_str());
    if (mapping) {
      CloseHandle(mapping);
      if (!Dump().empty()) return true;
    }
    Sleep(100);
  }
  return false;
}

bool CEmulatorProcess::Send(const std::string& command) {
  return RunProgram(EmulatorCommand() + " /name " + QuoteArgument(name_) + " /send " +
                        QuoteArgument(command),
                    10000) == 0;
}

std::map<std::string, std::string> CEmulatorProcess::Dump() {
  std::map<std::string, std::string> state;
  std::string path = TemporaryPath("dmp");
  if (Send("dump " + path)) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
      size_t equals = line.find('=');
      if (equals != std::string::npos) state[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  DeleteFileA(path.c_str());
  return state;
}

void CEmulatorProcess::Stop() {
  if (!process_) return;
  Send("quit");
  if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
}
