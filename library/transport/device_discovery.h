// Finds the device path of the machine behind a printer queue: the queue's port and driver,
// the printer-class child device on that port, its parent USB device, and that device's
// interface symbolic link. Holds no state: every call walks the spooler and the registry afresh.
#pragma once

#include <string>

#include "discovery_host.h"
#include "registry_reader.h"

class CDeviceDiscovery {
 public:
  CDeviceDiscovery(CDiscoveryHost& host, CRegistryReader& registry)
      : host_(host), registry_(registry) {}

  // True when the path was found and written; path is untouched otherwise.
  bool FindDevicePath(const std::string& printerName, std::string& path);

 private:
  CDiscoveryHost& host_;
  CRegistryReader& registry_;
};

#ifdef _WIN32
// The discovery of the running system: its spooler, registry and version query.
bool FindDevicePath(const std::string& printerName, std::string& path);
#endif
