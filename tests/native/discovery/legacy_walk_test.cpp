// The older family's walk: instance-name identifier, "SymbolicName", link without fallback.
#include "discovery_fixture.h"

namespace {

class LegacyWalk : public DiscoveryTest {
 protected:
  void SetUp() override { host.platformId = kPlatformWin32Windows; }

  void AddMachine(const std::string& instance, const std::string& usbDevice,
                  const std::string& usbInstance, const std::string& symbolicName) {
    registry.SetString("Enum\\USBPRINT\\HVX40\\" + instance, "DeviceDesc", kDriver);
    registry.SetString("Enum\\USB\\" + usbDevice + "\\" + usbInstance, "SymbolicName",
                       symbolicName);
  }
};

TEST_F(LegacyWalk, FollowsIdentifierAndSymbolicNameToTheLink) {
  // USB keys match ignoring case; the interface key must hold device and class text exactly.
  AddMachine("USB001&VID_0B49&PID_064F&SER123", "vid_0b49&pid_064f", "ser123",
             "\\DosDevices\\USB_0B49_064F_SER123#{28d78fad}");
  AddInterface("{28D78FAD}", "usb_0b49_064f_ser123#{28d78fad}", "\\\\.\\lower-case");
  AddInterface("{28D78FAD}", "USB_0B49_064F_SER123 {28D78FAD}", "\\\\.\\upper-class");
  AddInterface("{28D78FAD}", "key USB_0B49_064F_SER123 {28d78fad}", "\\\\.\\HVX40-1");
  EXPECT_EQ(Find(), "\\\\.\\HVX40-1");
}

TEST_F(LegacyWalk, InstanceNamesWithoutAnIdentifierArePassedOver) {
  AddMachine("USB001&NOID", "VID_0B49&PID_064F", "SER1", "\\DosDevices\\A#{c}");
  AddMachine("USB001&VID_0B49&PID_064F", "VID_0B49&PID_064F", "SER2", "\\DosDevices\\B#{c}");
  AddMachine("USB001&VID_0B49&PID_0650&SER3", "VID_0B49&PID_0650", "SER3",
             "\\DosDevices\\C#{c}");
  AddInterface("{c}", "A#{c}", "\\\\.\\A");
  AddInterface("{c}", "B#{c}", "\\\\.\\B");
  AddInterface("{c}", "C#{c}", "\\\\.\\C");
  EXPECT_EQ(Find(), "\\\\.\\C");
}

TEST_F(LegacyWalk, MalformedSymbolicNameOrMissingLinkFindsNothing) {
  for (const char* symbolicName : {"\\DosDevices\\", "\\DosDevices\\NoSeparator", ""}) {
    registry.Clear();
    AddMachine("USB001&VID_0B49&PID_064F&SER1", "VID_0B49&PID_064F", "SER1", symbolicName);
    AddInterface("NoSeparator", "NoSeparator", "\\\\.\\wrong");
    EXPECT_EQ(Find(), "none") << symbolicName;
  }
  registry.Clear();
  AddMachine("USB001&VID_0B49&PID_064F&SER1", "VID_0B49&PID_064F", "SER1",
             "\\DosDevices\\DEV#{c}");
  AddInterface("{c}", "DEV#{c}", "");
  EXPECT_EQ(Find(), "none");  // no path is derived from the key name here
}

}  // namespace
