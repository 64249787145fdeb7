// The walk of the current system family: printer-class instance, parent USB device, interface.
#include "discovery_fixture.h"

namespace {

using CurrentWalk = DiscoveryTest;

TEST_F(CurrentWalk, FollowsPortPrefixAndClassToTheInterfaceLink) {
  AddCurrentMachine("7&2f1e0a&0", "5&1c2d3e&0&1", "A");
  EXPECT_EQ(Find(), "\\\\?\\link-A");
  EXPECT_EQ(registry.capacitiesSeen(), std::set<size_t>{256});
}

TEST_F(CurrentWalk, PrinterClassMatchingRules) {
  // Ports match case-sensitively, drivers ignoring case; the first match wins.
  AddPrinterClass("VarnelHVX-40", "8&aaaa&0&usb001", kDriver);
  AddPrinterClass("VarnelHVX-40", "8&bbbb&0&USB002", kDriver);
  AddPrinterClass("VarnelHVX-40", "8&cccc&0&USB001", "Other Driver");
  AddPrinterClass("VarnelHVX-40", "8&dddd&0&USB001", "VARNEL hvx-40");
  AddPrinterClass("VarnelHVX-40", "8&eeee&0&USB001", kDriver);
  for (const char* prefix : {"8&aaaa&0", "8&bbbb&0", "8&cccc&0", "8&dddd&0", "8&eeee&0"}) {
    const std::string instance = std::string("5&") + prefix[2] + "&0&1";
    AddUsbDevice("VID_0B49&PID_064F", instance, prefix);
    AddInterface(kClass, InterfaceKey(instance), std::string("\\\\?\\link-") + prefix[2]);
  }
  EXPECT_EQ(Find(), "\\\\?\\link-d");
}

TEST_F(CurrentWalk, SkipsInstancesWhoseDescriptionCannotBeRead) {
  registry.AddKey(std::string(kPrinterClassRoot) + "A\\1&aaaa&0&USB001");
  registry.SetNumber(std::string(kPrinterClassRoot) + "A\\1&bbbb&0&USB001", "DeviceDesc");
  AddUsbDevice("VID_0B49&PID_064F", "5&a&0&1", "1&aaaa&0");
  AddUsbDevice("VID_0B49&PID_064F", "5&b&0&1", "1&bbbb&0");
  AddInterface(kClass, InterfaceKey("5&a&0&1"), "\\\\?\\link-A");
  AddInterface(kClass, InterfaceKey("5&b&0&1"), "\\\\?\\link-B");
  AddCurrentMachine("7&2f1e0a&0", "5&1c2d3e&0&1", "C");
  EXPECT_EQ(Find(), "\\\\?\\link-C");
}

TEST_F(CurrentWalk, DescriptionMustFitTheBuffer) {
  for (size_t length : {255u, 256u}) {
    const std::string driver(length, 'D');
    host.printers[kPrinter].driverName = driver;
    registry.Clear();
    AddCurrentMachine("7&2f1e0a&0", "5&1c2d3e&0&1", "A");
    AddPrinterClass("VarnelHVX-40", "7&2f1e0a&0&USB001", driver);
    EXPECT_EQ(Find(), length == 255 ? "\\\\?\\link-A" : "none") << length;
  }
}

TEST_F(CurrentWalk, InstanceWithoutRoomForAPrefixIsPassedOver) {
  AddPrinterClass("VarnelHVX-40", "USB001", kDriver);
  AddPrinterClass("VarnelHVX-40", "&USB001", kDriver);
  AddUsbDevice("VID_0B49&PID_064F", "5&e&0&1", "");  // no ParentIdPrefix: counts as empty
  AddInterface(kClass, InterfaceKey("5&e&0&1"), "\\\\?\\link-empty");
  AddCurrentMachine("7&2f1e0a&0", "5&1c2d3e&0&1", "A");
  EXPECT_EQ(Find(), "\\\\?\\link-A");
}

TEST_F(CurrentWalk, ParentIdPrefixIsComparedIgnoringCase) {
  for (const char* prefix : {"7&2F1E0A&0", "7&ffffff&0"}) {
    registry.Clear();
    AddPrinterClass("VarnelHVX-40", "7&2f1e0a&0&USB001", kDriver);
    AddUsbDevice("VID_0B49&PID_064F", "5&1c2d3e&0&1", prefix);
    AddInterface(kClass, InterfaceKey("5&1c2d3e&0&1"), "\\\\?\\link-A");
    EXPECT_EQ(Find(), prefix[2] == '2' ? "\\\\?\\link-A" : "none") << prefix;
  }
}

TEST_F(CurrentWalk, DeviceWithoutRecordedInterfaceUsesTheUsbDeviceClass) {
  const std::string usbClass = "{A5DCBF10-6530-11D2-901F-00C04FB951ED}";
  AddPrinterClass("VarnelHVX-40", "7&2f1e0a&0&USB001", kDriver);
  AddUsbDevice("VID_0B49&PID_064F", "5&1c2d3e&0&1", "7&2f1e0a&0", false);
  AddUsbDevice("VID_0B49&PID_0650", "5&2&0&1", "7&2f1e0a&1");
  registry.SetString(std::string(kUsbRoot) + "VID_0B49&PID_0650\\5&2&0&1\\Device Parameters",
                     "SymbolicName", "no class recorded");
  AddPrinterClass("VarnelHVX-40", "7&2f1e0a&1&USB002", kDriver);
  AddInterface(usbClass, InterfaceKey("5&1c2d3e&0&1", usbClass), "\\\\?\\link-default");
  AddInterface(usbClass, "##?#USB#VID_0B49&PID_0650#5&2&0&1#" + usbClass, "\\\\?\\link-2");
  EXPECT_EQ(Find(), "\\\\?\\link-default");
  host.printers[kPrinter].portName = "USB002";
  EXPECT_EQ(Find(), "\\\\?\\link-2");
}

TEST_F(CurrentWalk, MachineWithoutDeviceParametersEndsTheWalk) {
  AddPrinterClass("VarnelHVX-40", "7&2f1e0a&0&USB001", kDriver);
  registry.SetString(std::string(kUsbRoot) + "VID_0B49&PID_064F\\5&0&0&1", "ParentIdPrefix",
                     "7&2f1e0a&0");
  AddUsbDevice("VID_0B49&PID_064F", "5&1c2d3e&0&1", "7&2f1e0a&0");
  AddInterface(kClass, InterfaceKey("5&1c2d3e&0&1"), "\\\\?\\link-A");
  EXPECT_EQ(Find(), "none");
}

TEST_F(CurrentWalk, InterfaceKeyMustNameDeviceInstanceAndClass) {
  AddPrinterClass("VarnelHVX-40", "7&2f1e0a&0&USB001", kDriver);
  AddUsbDevice("VID_0B49&PID_064F", "5&1c2d3e&0&1", "7&2f1e0a&0");
  AddInterface(kClass, InterfaceKey("5&1c2d3e&0&12"), "\\\\?\\wrong-instance");
  AddInterface(kClass, "##?#USB#VID_0B49&PID_0650#5&1c2d3e&0&1#" + std::string(kClass),
               "\\\\?\\wrong-device");
  AddInterface(kClass,
               "##?#usb#vid_0b49&pid_064f#5&1c2d3e&0&1#{28D78FAD-5A12-11D1-AE5B-0000F803A8C2}",
               "\\\\?\\link-A");
  EXPECT_EQ(Find(), "\\\\?\\link-A");
}

TEST_F(CurrentWalk, WithoutALinkValueTheKeyNameSpellsThePathButTheKeysMustExist) {
  AddPrinterClass("VarnelHVX-40", "7&2f1e0a&0&USB001", kDriver);
  AddUsbDevice("VID_0B49&PID_064F", "5&1c2d3e&0&1", "7&2f1e0a&0");
  EXPECT_EQ(Find(), "none");  // no class key at all
  registry.AddKey(kClassesRoot + std::string(kClass) + "\\" + InterfaceKey("5&1c2d3e&0&1"));
  EXPECT_EQ(Find(), "none");  // interface key without its "#" subkey
  AddInterface(kClass, InterfaceKey("5&1c2d3e&0&1"), "");
  EXPECT_EQ(Find(), "\\\\?\\USB#VID_0B49&PID_064F#5&1c2d3e&0&1#" + std::string(kClass));
}

}  // namespace
