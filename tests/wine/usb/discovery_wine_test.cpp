// Discovery against the prefix's own registry and spooler: keys laid out as the device manager
// leaves them for a machine on port USB001, whose interface link names a file that stands in for
// the driver's device object.
#include <windows.h>

#include <gtest/gtest.h>

#include "device_discovery.h"
#include "usb_print_transport.h"
#include "wine_queue_fixture.h"
#include "wine_registry_fixture.h"

namespace {

const char kQueue[] = "HVX Discovery Test";
const char kFileQueue[] = "HVX Discovery File Port";
const char kDeviceFile[] = "usb_device_object.bin";
const std::string kClass = "{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
const std::string kEnum = "SYSTEM\\CurrentControlSet\\Enum\\";

class WineDiscovery : public ::testing::Test {
 protected:
  void SetUp() override {
    devicePath = FullPathInWorkingDirectory(kDeviceFile);
    ASSERT_TRUE(WriteWholeFile(devicePath, ""));
    ASSERT_TRUE(queues.AddQueue(kQueue, kModelDriver, "USB001"));
    ASSERT_TRUE(queues.AddQueue(kFileQueue, kModelDriver,
                                UnixPathInWorkingDirectory("usb_discovery_port.bin")));
    const std::string usbKey = kEnum + "USB\\VID_F0F0&PID_0040\\HVXWINE0001";
    ASSERT_TRUE(registry.SetString(kEnum + "USBPRINT\\HvxWineTest\\9&1d2c3b4a&0&USB001",
                                   "DeviceDesc", kModelDriver));
    ASSERT_TRUE(registry.SetString(usbKey, "ParentIdPrefix", "9&1d2c3b4a&0"));
    ASSERT_TRUE(registry.SetString(usbKey + "\\Device Parameters", "SymbolicName",
                                   "\\??\\USB#VID_F0F0&PID_0040#HVXWINE0001#" + kClass));
    ASSERT_TRUE(registry.SetString("SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\" + kClass +
                                       "\\##?#USB#VID_F0F0&PID_0040#HVXWINE0001#" + kClass + "\\#",
                                   "SymbolicLink", devicePath));
  }
  void TearDown() override { DeleteFileA(devicePath.c_str()); }

  CQueueFixture queues;
  CHklmFixture registry;
  std::string devicePath;
};

TEST_F(WineDiscovery, FindsTheLinkOfTheMachineOnTheQueuesPort) {
  std::string path = "untouched";
  EXPECT_TRUE(FindDevicePath(kQueue, path));
  EXPECT_EQ(path, devicePath);
  path = "untouched";
  EXPECT_FALSE(FindDevicePath(kFileQueue, path));
  EXPECT_FALSE(FindDevicePath("No Such Queue", path));
  EXPECT_EQ(path, "untouched");
}

TEST_F(WineDiscovery, TheDeviceIsOpenedExclusivelyAndTakesBulkBytesUnchanged) {
  CUsbPrintTransport usb(nullptr);
  usb.SetDeviceName(kQueue);
  ASSERT_TRUE(usb.Open());
  EXPECT_EQ(usb.devicePath(), devicePath);
  HANDLE second = CreateFileA(devicePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(second, INVALID_HANDLE_VALUE) << "a second open must fail while the device is open";
  if (second != INVALID_HANDLE_VALUE) CloseHandle(second);

  const std::string bytes = EveryByteValue(600);
  EXPECT_TRUE(usb.BulkWrite(bytes.data(), static_cast<uint32_t>(bytes.size())));
  char buffer[16];
  EXPECT_EQ(usb.BulkRead(buffer, sizeof buffer), 0);  // nothing more to read: a valid 0
  EXPECT_TRUE(usb.Close());
  EXPECT_TRUE(ReadWholeFile(devicePath) == bytes);
}

TEST_F(WineDiscovery, ADeviceThatGivesNoDeviceIdIsClosedButStaysSelected) {
  CUsbPrintTransport usb(nullptr);
  usb.SetDeviceName(kQueue);
  ASSERT_TRUE(usb.Open());
  EXPECT_FALSE(usb.CheckConnection());  // a plain file answers no device-ID request
  EXPECT_EQ(usb.deviceHandle(), kInvalidDeviceHandle);
  EXPECT_STREQ(usb.GetDeviceName(), kQueue);
  EXPECT_TRUE(usb.EnsureOpen());
  EXPECT_NE(usb.deviceHandle(), kInvalidDeviceHandle);
}

TEST_F(WineDiscovery, OnlyQueuesWhoseDeviceOpensAreListedAsOpenable) {
  CUsbPrintTransport usb(nullptr);
  auto listed = [&](const std::string& name) {
    const int count = usb.EnumerateDevices(kModelDriver, true);
    for (int i = 0; i < count; ++i) {
      if (name == usb.GetDeviceNameAt(i)) return true;
    }
    return false;
  };
  EXPECT_TRUE(listed(kQueue));
  EXPECT_FALSE(listed(kFileQueue));
  HANDLE holder = CreateFileA(devicePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(listed(kQueue)) << "a machine held by another process cannot be opened";
  CloseHandle(holder);
}

}  // namespace
