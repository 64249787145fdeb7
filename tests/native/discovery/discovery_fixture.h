// A printer queue "HVX Office" on port USB001 and a registry that leads from it to a machine,
// laid out as either system family keeps it; cases change the layout where they need to.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "device_discovery.h"
#include "device_walk_steps.h"
#include "fake_registry.h"

class CFakeDiscoveryHost : public CDiscoveryHost {
 public:
  bool versionReadable = true;
  uint32_t platformId = 2;  // VER_PLATFORM_WIN32_NT
  std::map<std::string, PrinterPort> printers;
  int printerReads = 0;

  bool QueryPlatformId(uint32_t& id) override {
    if (versionReadable) id = platformId;
    return versionReadable;
  }
  bool ReadPrinterDriverAndPort(const std::string& name, std::string& driver,
                                std::string& port) override {
    ++printerReads;
    auto found = printers.find(name);
    if (found == printers.end()) return false;
    driver = found->second.driverName;
    port = found->second.portName;
    return true;
  }
};

class DiscoveryTest : public ::testing::Test {
 protected:
  static constexpr const char* kPrinter = "HVX Office";
  static constexpr const char* kDriver = "Varnel HVX-40";
  static constexpr const char* kClass = "{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
  static constexpr const char* kPrinterClassRoot = "SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\";
  static constexpr const char* kUsbRoot = "SYSTEM\\CurrentControlSet\\Enum\\USB\\";
  static constexpr const char* kClassesRoot = "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\";

  DiscoveryTest() { host.printers[kPrinter] = PrinterPort{kDriver, "USB001"}; }

  void TearDown() override {
    EXPECT_EQ(registry.openKeyCount(), 0) << "a key was left open";
    EXPECT_EQ(registry.badCloseCount(), 0) << "a key was closed twice or never opened";
  }

  // Returns the path found, or "none" (the output must stay untouched on failure).
  std::string Find(const std::string& printer = kPrinter) {
    std::string path = "none";
    CDeviceDiscovery discovery(host, registry);
    const bool found = discovery.FindDevicePath(printer, path);
    EXPECT_EQ(found, path != "none");
    return path;
  }

  void AddPrinterClass(const std::string& device, const std::string& instance,
                       const std::string& description) {
    registry.SetString(kPrinterClassRoot + device + "\\" + instance, "DeviceDesc", description);
  }
  // A USB device whose "Device Parameters" names the class kClass (omitted when symbolicName
  // is empty).
  void AddUsbDevice(const std::string& device, const std::string& instance,
                    const std::string& parentIdPrefix, bool withSymbolicName = true) {
    const std::string key = kUsbRoot + device + "\\" + instance;
    if (!parentIdPrefix.empty()) registry.SetString(key, "ParentIdPrefix", parentIdPrefix);
    registry.AddKey(key + "\\Device Parameters");
    if (withSymbolicName) {
      registry.SetString(key + "\\Device Parameters", "SymbolicName",
                         "\\??\\USB#" + device + "#" + instance + "#" + kClass);
    }
  }
  // The interface key of a device below a class; its link, when given, under "#".
  void AddInterface(const std::string& classKey, const std::string& keyName,
                    const std::string& link) {
    const std::string key = kClassesRoot + classKey + "\\" + keyName + "\\#";
    if (link.empty()) {
      registry.AddKey(key);
    } else {
      registry.SetString(key, "SymbolicLink", link);
    }
  }
  // A complete machine of the current family behind the printer-class instance
  // <prefix>&USB001; its link ends with the marker.
  void AddCurrentMachine(const std::string& prefix, const std::string& usbInstance,
                         const std::string& marker) {
    AddPrinterClass("VarnelHVX-40", prefix + "&USB001", kDriver);
    AddUsbDevice("VID_0B49&PID_064F", usbInstance, prefix);
    AddInterface(kClass, InterfaceKey(usbInstance), "\\\\?\\link-" + marker);
  }
  static std::string InterfaceKey(const std::string& usbInstance,
                                  const std::string& classText = kClass) {
    return "##?#USB#VID_0B49&PID_064F#" + usbInstance + "#" + classText;
  }

  CFakeRegistry registry;
  CFakeDiscoveryHost host;
};
