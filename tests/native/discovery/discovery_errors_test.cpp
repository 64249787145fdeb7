// Registry errors end a walk without result, every key opened is closed again, and the system
// family decides which walk runs.
#include "discovery_fixture.h"

#include <functional>

namespace {

class DiscoveryErrors : public DiscoveryTest {
 protected:
  // A first device key whose instance does not match, then the machine.
  void SetUp() override {
    AddPrinterClass("Aaa", "1&0&0&USB009", kDriver);
    AddCurrentMachine("7&2f1e0a&0", "5&1c2d3e&0&1", "A");
  }
};

TEST_F(DiscoveryErrors, AnyRegistryErrorOnTheWayEndsTheWalk) {
  ASSERT_EQ(Find(), "\\\\?\\link-A");
  const std::vector<std::function<void()>> failures = {
      [&] { registry.FailEnumAt(std::string(kPrinterClassRoot) + "Aaa", 0); },
      [&] { registry.FailOpen(std::string(kPrinterClassRoot) + "Aaa\\1&0&0&USB009"); },
      [&] { registry.FailEnumAt(std::string(kUsbRoot) + "VID_0B49&PID_064F", 0); },
      [&] { registry.FailEnumAt(kClassesRoot + std::string(kClass), 0); },
  };
  for (size_t i = 0; i < failures.size(); ++i) {
    registry.Clear();
    SetUp();
    failures[i]();
    EXPECT_EQ(Find(), "none") << i;
  }
}

TEST_F(DiscoveryErrors, AKeyNameLongerThanTheBufferEndsTheWalk) {
  for (size_t length : {255u, 256u}) {
    registry.Clear();
    registry.AddKey(kPrinterClassRoot + std::string(length, 'k'));
    AddCurrentMachine("7&2f1e0a&0", "5&1c2d3e&0&1", "A");
    EXPECT_EQ(Find(), length == 255 ? "\\\\?\\link-A" : "none") << length;
  }
}

TEST_F(DiscoveryErrors, UnreadableVersionOrPrinterOrANonUsbPortFindsNothing) {
  EXPECT_EQ(Find("Unknown Queue"), "none");
  host.printers["File Queue"] = PrinterPort{kDriver, "FILE:"};
  host.printers["No Port"] = PrinterPort{kDriver, ""};
  EXPECT_EQ(Find("File Queue"), "none");
  EXPECT_EQ(Find("No Port"), "none");
  host.versionReadable = false;
  host.printerReads = 0;
  EXPECT_EQ(Find(), "none");
  EXPECT_EQ(host.printerReads, 0);
}

TEST_F(DiscoveryErrors, TheOlderSystemFamilyTakesTheLegacyWalk) {
  registry.SetString("Enum\\USBPRINT\\HVX\\USB001&VID_0B49&PID_064F&SER1", "DeviceDesc", kDriver);
  registry.SetString("Enum\\USB\\VID_0B49&PID_064F\\SER1", "SymbolicName",
                     "\\DosDevices\\USB_0B49_064F#{legacy}");
  AddInterface("{legacy}", "USB_0B49_064F#{legacy}", "\\\\.\\legacy-link");
  host.platformId = kPlatformWin32Windows;
  EXPECT_EQ(Find(), "\\\\.\\legacy-link");
  host.platformId = 2;
  EXPECT_EQ(Find(), "\\\\?\\link-A");
}

}  // namespace
