// The registry walks that lead from a printer queue to the device path of its machine, one for
// each system family, and the steps they share.
#pragma once

#include <functional>
#include <string>

#include "registry_walker.h"

// What the spooler tells about the printer queue.
struct PrinterPort {
  std::string driverName;
  std::string portName;
};

typedef std::function<bool(const std::string&)> NameTest;

// The printer-class child device of the queue: the first instance key below path (device key,
// then instance key) whose name contains the port name and passes usable, and whose "DeviceDesc"
// equals the driver name. Instances without a readable "DeviceDesc" are skipped.
WalkResult FindPrinterClassInstance(CRegistryWalker& walker, const std::string& path,
                                    const PrinterPort& printer, const NameTest& usable,
                                    std::string& instanceName);

// How the look-up of a device interface key ended.
enum class InterfaceLookup {
  kNone,     // no such class or interface key, or a key on the way could not be opened
  kKeyOnly,  // the interface key exists but its "#\SymbolicLink" value could not be read
  kLink,     // link holds the interface's symbolic link
};

// The first interface key below DeviceClasses\<classText> whose name passes matchName, and the
// "SymbolicLink" value of its "#" subkey.
InterfaceLookup LookUpInterface(CRegistryWalker& walker, const std::string& classText,
                                const NameTest& matchName, std::string& keyName,
                                std::string& link);

// The walk of the current system family (keys below SYSTEM\CurrentControlSet).
bool FindPathCurrentFamily(CRegistryWalker& walker, const PrinterPort& printer, std::string& path);
// The walk of the older family, whose registry keeps device keys directly below the root.
bool FindPathLegacyFamily(CRegistryWalker& walker, const PrinterPort& printer, std::string& path);
