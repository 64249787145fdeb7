// The version query and the spooler's printer facts of the running system.
#include <windows.h>
#include <winspool.h>

#include <new>
#include <vector>

#include "discovery_host.h"

namespace {

std::string TextOf(const char* text) { return text == nullptr ? std::string() : text; }

class CWin32DiscoveryHost : public CDiscoveryHost {
 public:
  bool QueryPlatformId(uint32_t& platformId) override {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return false;
    platformId = info.dwPlatformId;
    return true;
  }

  bool ReadPrinterDriverAndPort(const std::string& printerName, std::string& driverName,
                                std::string& portName) override {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(printerName.c_str()), &printer, nullptr)) return false;
    const bool ok = ReadLevel2(printer, driverName, portName);
    ClosePrinter(printer);
    return ok;
  }

 private:
  static bool ReadLevel2(HANDLE printer, std::string& driverName, std::string& portName) {
    DWORD needed = 0;
    if (!GetPrinterA(printer, 2, nullptr, 0, &needed) &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      return false;
    }
    if (needed < sizeof(PRINTER_INFO_2A)) return false;
    std::vector<BYTE> buffer;
    try {
      buffer.resize(needed);
    } catch (const std::bad_alloc&) {
      return false;
    }
    if (!GetPrinterA(printer, 2, buffer.data(), needed, &needed)) return false;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    driverName = TextOf(info->pDriverName);
    portName = TextOf(info->pPortName);
    return true;
  }
};

}  // namespace

CDiscoveryHost& SystemDiscoveryHost() {
  static CWin32DiscoveryHost host;
  return host;
}
