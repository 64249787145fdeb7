#include "wine_queue_fixture.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

bool DeleteQueue(const std::string& name) {
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (!OpenPrinterA(const_cast<char*>(name.c_str()), &printer, &access)) return false;
  const BOOL deleted = DeletePrinter(printer);
  ClosePrinter(printer);
  return deleted != FALSE;
}

bool AddDriver(const std::string& driver) {
  DRIVER_INFO_2A info = {};
  info.cVersion = 3;
  info.pName = const_cast<char*>(driver.c_str());
  info.pDriverPath = const_cast<char*>("wineps.drv");
  info.pDataFile = const_cast<char*>("generic.ppd");
  info.pConfigFile = const_cast<char*>("wineps.drv");
  return AddPrinterDriverA(nullptr, 2, reinterpret_cast<BYTE*>(&info)) != FALSE;
}

}  // namespace

CQueueFixture::~CQueueFixture() {
  for (const std::string& name : queues_) DeleteQueue(name);
}

bool CQueueFixture::AddQueue(const std::string& name, const std::string& driver,
                             const std::string& port) {
  DeleteQueue(name);
  if (!AddDriver(driver)) return false;
  PRINTER_INFO_2A info = {};
  info.pPrinterName = const_cast<char*>(name.c_str());
  info.pPortName = const_cast<char*>(port.c_str());
  info.pDriverName = const_cast<char*>(driver.c_str());
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (printer == nullptr) return false;
  ClosePrinter(printer);
  queues_.push_back(name);
  return true;
}

std::string FullPathInWorkingDirectory(const std::string& fileName) {
  char path[MAX_PATH] = {};
  GetFullPathNameA(fileName.c_str(), MAX_PATH, path, nullptr);
  return path;
}

std::string UnixPathInWorkingDirectory(const std::string& fileName) {
  typedef char*(CDECL * UnixNameOf)(const WCHAR*);
  const FARPROC entry =
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
  const auto unixNameOf = reinterpret_cast<UnixNameOf>(reinterpret_cast<void*>(entry));
  WCHAR wide[MAX_PATH] = {};
  GetFullPathNameW(std::wstring(fileName.begin(), fileName.end()).c_str(), MAX_PATH, wide, nullptr);
  if (unixNameOf == nullptr) return std::string();
  char* unixName = unixNameOf(wide);
  if (unixName == nullptr) return std::string();
  std::string result = unixName;
  HeapFree(GetProcessHeap(), 0, unixName);
  return result;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  return file.good();
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WaitForFile(const std::string& path, size_t size) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (FileExists(path) && ReadWholeFile(path).size() >= size) break;
    Sleep(50);
  }
  return ReadWholeFile(path);
}

std::string EveryByteValue(size_t length) {
  std::string bytes(length, '\0');
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
  return bytes;
}
