#include "device_walk_steps.h"

#include "discovery_text.h"

using discovery_text::Contains;
using discovery_text::EqualsIgnoringCase;

namespace {
const char kDeviceClassesPath[] = "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses";
}  // namespace

WalkResult FindPrinterClassInstance(CRegistryWalker& walker, const std::string& path,
                                    const PrinterPort& printer, const NameTest& usable,
                                    std::string& instanceName) {
  return walker.ForEachInstance(
      path, [&](const std::string&, const std::string& name, RegKey instance) {
        std::string description;
        if (!walker.ReadString(instance, "DeviceDesc", description)) return WalkResult::kContinue;
        if (!Contains(name, printer.portName) || !usable(name)) return WalkResult::kContinue;
        if (!EqualsIgnoringCase(description, printer.driverName)) return WalkResult::kContinue;
        instanceName = name;
        return WalkResult::kFound;
      });
}

InterfaceLookup LookUpInterface(CRegistryWalker& walker, const std::string& classText,
                                const NameTest& matchName, std::string& keyName,
                                std::string& link) {
  CRegistryReader& reader = walker.reader();
  CScopedRegKey classes(reader, nullptr, kDeviceClassesPath);
  if (!classes.isOpen()) return InterfaceLookup::kNone;

  std::string className;
  const auto isClass = [&](const std::string& name) { return EqualsIgnoringCase(name, classText); };
  if (walker.FindSubkeyName(classes.get(), isClass, className) != WalkResult::kFound) {
    return InterfaceLookup::kNone;
  }
  CScopedRegKey classKey(reader, classes.get(), className);
  if (!classKey.isOpen()) return InterfaceLookup::kNone;

  std::string interfaceName;
  if (walker.FindSubkeyName(classKey.get(), matchName, interfaceName) != WalkResult::kFound) {
    return InterfaceLookup::kNone;
  }
  CScopedRegKey interfaceKey(reader, classKey.get(), interfaceName);
  if (!interfaceKey.isOpen()) return InterfaceLookup::kNone;
  CScopedRegKey linkKey(reader, interfaceKey.get(), "#");
  if (!linkKey.isOpen()) return InterfaceLookup::kNone;

  keyName = interfaceName;
  return walker.ReadString(linkKey.get(), "SymbolicLink", link) ? InterfaceLookup::kLink
                                                                : InterfaceLookup::kKeyOnly;
}
