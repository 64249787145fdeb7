// The older system family: the printer-class instance name carries the USB device's identifier,
// and the USB device's "SymbolicName" names its device text and interface class.
#include "device_walk_steps.h"
#include "discovery_text.h"

using discovery_text::Contains;
using discovery_text::EqualsIgnoringCase;

namespace {

const char kPrinterClassPath[] = "Enum\\USBPRINT";
const char kUsbPath[] = "Enum\\USB";
const char kDosDevicesPrefix[] = "\\DosDevices\\";
const size_t kIdentifierLength = 17;  // VID_xxxx&PID_xxxx

// The USB device named in a printer-class instance name: ...VID_xxxx&PID_xxxx<sep><remainder>.
struct UsbIdentity {
  std::string identifier;
  std::string remainder;
};

// False when the name holds no identifier followed by a separator.
bool SplitIdentity(const std::string& instanceName, UsbIdentity& identity) {
  const size_t start = instanceName.find("VID");
  if (start == std::string::npos) return false;
  if (instanceName.size() < start + kIdentifierLength + 1) return false;
  identity.identifier = instanceName.substr(start, kIdentifierLength);
  identity.remainder = instanceName.substr(start + kIdentifierLength + 1);
  return true;
}

bool FindIdentity(CRegistryWalker& walker, const PrinterPort& printer, UsbIdentity& identity) {
  const auto hasIdentity = [](const std::string& name) {
    UsbIdentity unused;
    return SplitIdentity(name, unused);
  };
  std::string instance;
  if (FindPrinterClassInstance(walker, kPrinterClassPath, printer, hasIdentity, instance) !=
      WalkResult::kFound) {
    return false;
  }
  return SplitIdentity(instance, identity);
}

// The name of the key below parent that equals name (case ignored).
bool FindEqualSubkey(CRegistryWalker& walker, RegKey parent, const std::string& name,
                     std::string& found) {
  const auto isName = [&](const std::string& candidate) {
    return EqualsIgnoringCase(candidate, name);
  };
  return walker.FindSubkeyName(parent, isName, found) == WalkResult::kFound;
}

// "SymbolicName" of Enum\USB\<identifier>\<remainder>.
bool ReadUsbSymbolicName(CRegistryWalker& walker, const UsbIdentity& identity,
                         std::string& symbolicName) {
  CRegistryReader& reader = walker.reader();
  CScopedRegKey usb(reader, nullptr, kUsbPath);
  if (!usb.isOpen()) return false;
  std::string deviceName, instanceName;
  if (!FindEqualSubkey(walker, usb.get(), identity.identifier, deviceName)) return false;
  CScopedRegKey device(reader, usb.get(), deviceName);
  if (!device.isOpen()) return false;
  if (!FindEqualSubkey(walker, device.get(), identity.remainder, instanceName)) return false;
  CScopedRegKey instance(reader, device.get(), instanceName);
  if (!instance.isOpen()) return false;
  return walker.ReadString(instance.get(), "SymbolicName", symbolicName);
}

// \DosDevices\<device text>#<class text>
bool SplitSymbolicName(const std::string& symbolicName, std::string& deviceText,
                       std::string& classText) {
  const size_t prefixLength = sizeof kDosDevicesPrefix - 1;
  if (symbolicName.size() <= prefixLength) return false;
  const std::string rest = symbolicName.substr(prefixLength);
  const size_t separator = rest.find('#');
  if (separator == std::string::npos) return false;
  deviceText = rest.substr(0, separator);
  classText = rest.substr(separator + 1);
  return true;
}

}  // namespace

bool FindPathLegacyFamily(CRegistryWalker& walker, const PrinterPort& printer, std::string& path) {
  UsbIdentity identity;
  if (!FindIdentity(walker, printer, identity)) return false;
  std::string symbolicName, deviceText, classText;
  if (!ReadUsbSymbolicName(walker, identity, symbolicName)) return false;
  if (!SplitSymbolicName(symbolicName, deviceText, classText)) return false;

  const auto isDeviceInterface = [&](const std::string& name) {
    return Contains(name, deviceText) && Contains(name, classText);
  };
  std::string keyName, link;
  if (LookUpInterface(walker, classText, isDeviceInterface, keyName, link) !=
      InterfaceLookup::kLink) {
    return false;  // this family records no path that could be derived from the key name
  }
  path = link;
  return true;
}
