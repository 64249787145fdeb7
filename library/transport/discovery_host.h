// What device discovery asks the host besides the registry: which system family is running, and
// the driver and port of a printer queue. Behind a seam so that the walks are tested natively.
#pragma once

#include <cstdint>
#include <string>

// GetVersionExA's platform identifier of the older system family, whose registry keeps device
// keys directly under HKEY_LOCAL_MACHINE.
constexpr uint32_t kPlatformWin32Windows = 1;

class CDiscoveryHost {
 public:
  virtual ~CDiscoveryHost() {}

  // GetVersionExA's dwPlatformId; false when the version query fails.
  virtual bool QueryPlatformId(uint32_t& platformId) = 0;
  // The printer queue's driver name and port name (PRINTER_INFO_2); false when the queue cannot
  // be opened or read.
  virtual bool ReadPrinterDriverAndPort(const std::string& printerName, std::string& driverName,
                                        std::string& portName) = 0;
};

#ifdef _WIN32
// GetVersionExA and the spooler of the running system.
CDiscoveryHost& SystemDiscoveryHost();
#endif
