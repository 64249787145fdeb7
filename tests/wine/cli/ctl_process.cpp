#include "ctl_process.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "../../../tool/app/win32_data_folder.h"

namespace {

HANDLE InheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// One program running with its output captured to files of its own.
struct CapturedRun {
  PROCESS_INFORMATION info{};
  bool started = false;
  std::string outPath, errPath;
  DWORD start = 0;
};

CapturedRun StartCaptured(const std::string& commandLine, const std::string& folder,
                          const std::string& tag) {
  CapturedRun run;
  run.outPath = TempPath("hvx_cli_out" + tag + ".txt");
  run.errPath = TempPath("hvx_cli_err" + tag + ".txt");
  HANDLE out = InheritableFile(run.outPath);
  HANDLE err = InheritableFile(run.errPath);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  run.start = GetTickCount();
  run.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               folder.empty() ? nullptr : folder.c_str(), &startup, &run.info) != 0;
  CloseHandle(out);
  CloseHandle(err);
  return run;
}

CtlResult FinishCaptured(CapturedRun& run, DWORD deadline) {
  CtlResult result;
  if (run.started) {
    const DWORD now = GetTickCount();
    const DWORD left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(run.info.hProcess, left) == WAIT_OBJECT_0) {
      GetExitCodeProcess(run.info.hProcess, &code);
    } else {
      TerminateProcess(run.info.hProcess, 99);
      WaitForSingleObject(run.info.hProcess, 5000);
    }
    result.exitCode = static_cast<int>(code);
    CloseHandle(run.info.hThread);
    CloseHandle(run.info.hProcess);
  }
  result.ms = GetTickCount() - run.start;
  result.out = ReadBytes(run.outPath);
  result.err = ReadBytes(run.errPath);
  return result;
}

std::string CtlCommandLine(const std::vector<std::string>& args) {
  std::string commandLine = QuoteArgument(ProgramFolder() + "hvx40ctl.exe");
  for (const std::string& arg : args) commandLine += " " + QuoteArgument(arg);
  return commandLine;
}

}  // namespace

CtlResult RunCaptured(const std::string& commandLine, const std::string& folder, DWORD timeoutMs) {
  CapturedRun run = StartCaptured(commandLine, folder, "");
  return FinishCaptured(run, run.start + timeoutMs);
}

std::vector<CtlResult> RunCtlTogether(const std::vector<std::vector<std::string>>& runs,
                                      DWORD timeoutMs) {
  std::vector<CapturedRun> started;
  for (size_t i = 0; i < runs.size(); ++i) {
    started.push_back(StartCaptured(CtlCommandLine(runs[i]), "", std::to_string(i)));
  }
  const DWORD deadline = GetTickCount() + timeoutMs;
  std::vector<CtlResult> results;
  for (CapturedRun& run : started) results.push_back(FinishCaptured(run, deadline));
  return results;
}

CtlResult RunCtl(const std::vector<std::string>& args, DWORD timeoutMs) {
  return RunCaptured(CtlCommandLine(args), "", timeoutMs);
}

std::string ToolLogPath(int number) {
  char folder[MAX_PATH];
  if (!GetDataFolder("Mek for HVX-40", folder)) return std::string();
  char name[32];
  std::snprintf(name, sizeof name, "\\Varnel HVX-40_log%02d.txt", number);
  return folder + std::string(name);
}

std::vector<std::string> ToolLogLines(int number) {
  std::ifstream file(ToolLogPath(number));
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Starting(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
  }
  return found;
}

// The console program writes text lines, so a line ends with CR LF in a file.
::testing::AssertionResult IsOneLine(const std::string& err) {
  const size_t end = err.size() >= 2 && err.compare(err.size() - 2, 2, "\r\n") == 0 ? err.size() - 2
                                                                                   : err.size() - 1;
  if (!err.empty() && err.back() == '\n' && err.find_first_of("\r\n") == end) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "not one line: [" << err << "]";
}
