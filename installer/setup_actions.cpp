// HVX40SetupActions.dll: the installer's own custom action, carried in the package and never
// installed. Before anything is removed or replaced it looks for programs running from the
// installation folder; when it finds one, the installation ends with the message and nothing
// changed.
#include <windows.h>
#include <msi.h>
#include <msiquery.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "running_programs.h"

namespace {

std::string Property(MSIHANDLE install, const char* name) {
  char buffer[MAX_PATH] = "";
  DWORD length = MAX_PATH;
  if (MsiGetPropertyA(install, name, buffer, &length) != ERROR_SUCCESS) return std::string();
  return buffer;
}

std::string ImagePath(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) return std::string();
  char path[MAX_PATH] = "";
  DWORD length = MAX_PATH;
  std::string image;
  if (QueryFullProcessImageNameA(process, 0, path, &length)) image.assign(path, length);
  CloseHandle(process);
  return image;
}

std::vector<std::string> RunningImagePaths() {
  std::vector<std::string> paths;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return paths;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    std::string path = ImagePath(entry.th32ProcessID);
    if (!path.empty()) paths.push_back(path);
  }
  CloseHandle(snapshot);
  return paths;
}

void ShowInstallError(MSIHANDLE install, const std::string& text) {
  MSIHANDLE record = MsiCreateRecord(0);
  MsiRecordSetStringA(record, 0, text.c_str());
  MsiProcessMessage(install, INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONWARNING),
                    record);
  MsiCloseHandle(record);
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall RefuseWhileProgramsRun(MSIHANDLE install) {
  const std::vector<std::string> running =
      ProgramsRunningFrom(Property(install, "INSTALLDIR"), RunningImagePaths());
  if (running.empty()) return ERROR_SUCCESS;
  ShowInstallError(install, RunningProgramsMessage(running));
  return ERROR_INSTALL_FAILURE;
}
