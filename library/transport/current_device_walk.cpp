// The current system family: the printer-class device on the queue's port names its parent USB
// device by the parent-ID prefix, and that USB device's interface key holds the device path.
#include <cstdio>

#include "device_walk_steps.h"
#include "discovery_text.h"

using discovery_text::Contains;
using discovery_text::EqualsIgnoringCase;
using discovery_text::ToUpper;

namespace {

const char kPrinterClassPath[] = "SYSTEM\\CurrentControlSet\\Enum\\USBPRINT";
const char kUsbPath[] = "SYSTEM\\CurrentControlSet\\Enum\\USB";

// The USB device that the printer-class device hangs off.
struct UsbDevice {
  std::string deviceKey;    // VID_xxxx&PID_xxxx
  std::string instanceKey;
  std::string interfaceClass;  // a GUID in braces
};

// GUID_DEVINTERFACE_USB_DEVICE, the class of a USB device that records no interface of its own.
std::string DefaultInterfaceClass() {
  const unsigned long data1 = 0xA5DCBF10UL;
  const unsigned data2 = 0x6530, data3 = 0x11D2;
  const unsigned char data4[8] = {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED};
  char text[40];
  std::snprintf(text, sizeof text, "{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", data1,
                data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                data4[6], data4[7]);
  return text;
}

// The printer-class instance is named <parent-ID prefix>&<port>; a name too short to hold a
// prefix before the port cannot lead to a parent device.
std::string ParentIdPrefixOf(const std::string& instanceName, const std::string& portName) {
  return instanceName.substr(0, instanceName.size() - (portName.size() + 1));
}

bool FindParentIdPrefix(CRegistryWalker& walker, const PrinterPort& printer,
                        std::string& prefix) {
  if (printer.portName.empty()) return false;  // no port, no printer-class child
  const auto holdsPrefix = [&](const std::string& name) {
    return name.size() > printer.portName.size() + 1;
  };
  std::string instance;
  if (FindPrinterClassInstance(walker, kPrinterClassPath, printer, holdsPrefix, instance) !=
      WalkResult::kFound) {
    return false;
  }
  prefix = ParentIdPrefixOf(instance, printer.portName);
  return true;
}

// The interface class that the USB device records under "Device Parameters", from its first
// brace on; a device without one (or with a name that holds no GUID) has the default class.
WalkResult ReadInterfaceClass(CRegistryWalker& walker, RegKey instance,
                              std::string& interfaceClass) {
  CScopedRegKey parameters(walker.reader(), instance, "Device Parameters");
  if (!parameters.isOpen()) return WalkResult::kFailed;
  std::string symbolicName;
  const size_t brace = walker.ReadString(parameters.get(), "SymbolicName", symbolicName)
                           ? symbolicName.find('{')
                           : std::string::npos;
  interfaceClass =
      brace == std::string::npos ? DefaultInterfaceClass() : symbolicName.substr(brace);
  return WalkResult::kFound;
}

bool FindUsbDevice(CRegistryWalker& walker, const std::string& prefix, UsbDevice& device) {
  const WalkResult result = walker.ForEachInstance(
      kUsbPath, [&](const std::string& deviceKey, const std::string& instanceKey, RegKey instance) {
        std::string parentIdPrefix;
        if (!walker.ReadString(instance, "ParentIdPrefix", parentIdPrefix)) parentIdPrefix.clear();
        if (!EqualsIgnoringCase(parentIdPrefix, prefix)) return WalkResult::kContinue;
        device.deviceKey = deviceKey;
        device.instanceKey = instanceKey;
        return ReadInterfaceClass(walker, instance, device.interfaceClass);
      });
  return result == WalkResult::kFound;
}

// An interface key name spells the device path with '#' where the path has '\':
// ##?#USB#... stands for \\?\USB#...
std::string PathFromInterfaceKey(std::string keyName) {
  for (size_t position : {0, 1, 3}) {
    if (position < keyName.size()) keyName[position] = '\\';
  }
  return keyName;
}

bool FindInterfacePath(CRegistryWalker& walker, const UsbDevice& device, std::string& path) {
  const std::string deviceKey = ToUpper(device.deviceKey);
  const std::string instanceKey = "#" + ToUpper(device.instanceKey) + "#";
  const std::string interfaceClass = ToUpper(device.interfaceClass);
  const auto isDeviceInterface = [&](const std::string& name) {
    const std::string upper = ToUpper(name);
    return Contains(upper, deviceKey) && Contains(upper, instanceKey) &&
           Contains(upper, interfaceClass);
  };
  std::string keyName, link;
  switch (LookUpInterface(walker, device.interfaceClass, isDeviceInterface, keyName, link)) {
    case InterfaceLookup::kLink:
      path = link;
      return true;
    case InterfaceLookup::kKeyOnly:
      path = PathFromInterfaceKey(keyName);
      return true;
    case InterfaceLookup::kNone:
      break;
  }
  return false;
}

}  // namespace

bool FindPathCurrentFamily(CRegistryWalker& walker, const PrinterPort& printer, std::string& path) {
  std::string prefix;
  if (!FindParentIdPrefix(walker, printer, prefix)) return false;
  UsbDevice device;
  if (!FindUsbDevice(walker, prefix, device)) return false;
  return FindInterfacePath(walker, device, path);
}
