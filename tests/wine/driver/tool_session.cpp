#include "tool_session.h"

#include <fstream>

#include "harness/emulator_process.h"

typedef HRESULT(WINAPI* FolderPathFn)(HWND, int, HANDLE, DWORD, LPSTR);

CToolSession::~CToolSession() {
  if (process_ == nullptr) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, 5000);
  CloseHandle(process_);
}

std::string ToolFolder() {
  char folder[MAX_PATH] = "";
  const DWORD length = GetEnvironmentVariableA("HVX_TOOL_FOLDER", folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ProgramFolder();
  std::string path(folder, length);
  if (path.back() != '\\') path += '\\';
  return path;
}

bool CToolSession::Start(const std::string& arguments) {
  std::string line = QuoteArgument(ToolFolder() + "HVX40MEK.exe") + " " + arguments;
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  return true;
}

int CToolSession::Close(HWND mainWindow) {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_, 20000) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

std::string CurrentLogFile() {
  char common[MAX_PATH] = "";
  HMODULE shell = LoadLibraryA("shell32.dll");
  auto folderPath = reinterpret_cast<FolderPathFn>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFolderPathA")));
  folderPath(nullptr, 35, nullptr, 0, common);
  FreeLibrary(shell);
  return std::string(common) + "\\Varnel QZ Corporation\\Mek for HVX-40\\Varnel HVX-40_log00.txt";
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string WrittenLibraryPath() {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "HVX40CTR.DLL";
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
