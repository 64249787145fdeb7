#include "ctl_process.h"

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

CtlResult RunCaptured(const std::string& commandLine, const std::string& folder, DWORD timeoutMs) {
  CtlResult result;
  const std::string outPath = TempPath("hvx_cli_out.txt");
  const std::string errPath = TempPath("hvx_cli_err.txt");
  HANDLE out = InheritableFile(outPath);
  HANDLE err = InheritableFile(errPath);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION info{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  const DWORD start = GetTickCount();
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
      GetExitCodeProcess(info.hProcess, &code);
    } else {
      TerminateProcess(info.hProcess, 99);
    }
    result.exitCode = static_cast<int>(code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  result.ms = GetTickCount() - start;
  CloseHandle(out);
  CloseHandle(err);
  result.out = ReadBytes(outPath);
  result.err = ReadBytes(errPath);
  return result;
}

CtlResult RunCtl(const std::vector<std::string>& args, DWORD timeoutMs) {
  std::string commandLine = QuoteArgument(ProgramFolder() + "hvx40ctl.exe");
  for (const std::string& arg : args) commandLine += " " + QuoteArgument(arg);
  return RunCaptured(commandLine, "", timeoutMs);
}

std::vector<std::string> ToolLogLines() {
  char folder[MAX_PATH];
  if (!GetDataFolder("Mek for HVX-40", folder)) return {};
  std::ifstream file(std::string(folder) + "\\Varnel HVX-40_log00.txt");
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
