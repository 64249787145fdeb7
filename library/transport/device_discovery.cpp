#include "device_discovery.h"

#include "device_walk_steps.h"

bool CDeviceDiscovery::FindDevicePath(const std::string& printerName, std::string& path) {
  uint32_t platformId = 0;
  if (!host_.QueryPlatformId(platformId)) return false;
  PrinterPort printer;
  if (!host_.ReadPrinterDriverAndPort(printerName, printer.driverName, printer.portName)) {
    return false;
  }
  CRegistryWalker walker(registry_);
  std::string found;
  const bool ok = platformId == kPlatformWin32Windows
                      ? FindPathLegacyFamily(walker, printer, found)
                      : FindPathCurrentFamily(walker, printer, found);
  if (ok) path = found;
  return ok;
}

#ifdef _WIN32
bool FindDevicePath(const std::string& printerName, std::string& path) {
  CDeviceDiscovery discovery(SystemDiscoveryHost(), SystemRegistry());
  return discovery.FindDevicePath(printerName, path);
}
#endif
