// Connecting: the protocol check, the byte order it fixes, and the transport switching.
#include <gtest/gtest.h>

#include "../transport_usb/fake_simulator.h"
#include "../transport_usb/fake_usb_system.h"
#include "fake_clock.h"
#include "machine_controller.h"

namespace {

const char kModel[] = "Varnel HVX-40";
const char kMachine[] = "Mill A";
const char kPath[] = "\\\\?\\usb#mill_a";

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest() : controller(kModel, usbSystem, simulator, clock) {
    usbSystem.paths[kMachine] = kPath;
  }

  // The protocol check's four bytes: identifier, then marker.
  void UsbAnswers(std::vector<uint8_t> check) { usbSystem.vendorAnswers[0x0002] = check; }
  void ConnectUsb() {
    UsbAnswers({1, 0, 0x34, 0x12});
    ASSERT_TRUE(controller.Connect(kMachine));
  }

  CFakeUsbSystem usbSystem;
  CFakeSimulator simulator;
  CFakeClock clock;
  CMachineController controller;
};

TEST_F(ControllerTest, AMachineOfTheHostsOrderNeedsNoSwapping) {
  ConnectUsb();
  EXPECT_FALSE(controller.swapBytes());
  EXPECT_EQ(&controller.current(), &controller.usb());
  EXPECT_STREQ(controller.GetDeviceName(), kMachine);
  const auto& check = usbSystem.ioctls.back();
  EXPECT_EQ(check.input, (std::vector<uint8_t>{1, 0x00, 0x02}));
  EXPECT_EQ(check.outputSize, 4u);
  // The check ran under the device's lock.
  EXPECT_EQ(usbSystem.waits.size(), 1u);
  EXPECT_EQ(usbSystem.waits[0].second, 10000u);
  EXPECT_EQ(usbSystem.releases.size(), 1u);
}

TEST_F(ControllerTest, AnotherProtocolClosesTheDeviceAgain) {
  UsbAnswers({2, 0, 0x34, 0x12});
  EXPECT_FALSE(controller.Connect(kMachine));
  ASSERT_EQ(usbSystem.devices.size(), 1u);
  EXPECT_TRUE(usbSystem.WasClosed(usbSystem.devices.begin()->first));
  EXPECT_EQ(controller.usb().deviceHandle(), kInvalidDeviceHandle);
  EXPECT_STREQ(controller.GetDeviceName(), "");  // nothing left to reconnect to
}

TEST_F(ControllerTest, AnyOtherMarkerMeansSwappingAndAShortCheckKeepsIt) {
  UsbAnswers({0, 1, 0x12, 0x34});  // identifier 0x0100: it is read unconverted
  EXPECT_FALSE(controller.Connect(kMachine));
  UsbAnswers({1, 0, 0x12, 0x34});
  ASSERT_TRUE(controller.Connect(kMachine));
  EXPECT_TRUE(controller.swapBytes());
  EXPECT_EQ(controller.Convert32(0x01020304u), 0x04030201u);
  EXPECT_EQ(controller.Convert16(0x0102), 0x0201);
  UsbAnswers({1, 0, 0x34});
  EXPECT_FALSE(controller.Connect(kMachine));
  EXPECT_TRUE(controller.swapBytes());
  UsbAnswers({1, 0, 0x34, 0x12});
  ASSERT_TRUE(controller.Connect(kMachine));
  EXPECT_FALSE(controller.swapBytes());
  // Whatever the missing byte would have been, a three-byte marker byte 0x12 never reads as
  // the same order, so a check that looked at it would switch to swapping here.
  UsbAnswers({1, 0, 0x12});
  EXPECT_FALSE(controller.Connect(kMachine));
  EXPECT_FALSE(controller.swapBytes());
}

TEST_F(ControllerTest, NoLockOrNoDeviceMeansNoCheck) {
  usbSystem.waitResults.push_back(MutexWait::kAbandoned);
  UsbAnswers({1, 0, 0x34, 0x12});
  EXPECT_FALSE(controller.Connect(kMachine));
  for (const auto& call : usbSystem.ioctls) EXPECT_NE(call.code, CFakeUsbSystem::kVendorGet);
  usbSystem.ioctls.clear();
  usbSystem.unopenablePaths.insert(kPath);
  EXPECT_FALSE(controller.Connect(kMachine));
  EXPECT_TRUE(usbSystem.ioctls.empty());
}

TEST_F(ControllerTest, NeverConnectedEveryOperationFailsAtOnce) {
  EXPECT_EQ(controller.ReadStatus().stateWord, 0xFFFFFFFFu);
  EXPECT_FALSE(controller.SendCommand(0x0273, nullptr, 0));
  uint32_t value;
  EXPECT_FALSE(controller.QueryWords32(0x0207, &value, 1));
  std::string id;
  EXPECT_FALSE(controller.GetDeviceId(id));
  EXPECT_TRUE(usbSystem.ioctls.empty());
  EXPECT_TRUE(usbSystem.waits.empty());
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(ControllerTest, DevicesAreThePrinterQueuesOfTheModel) {
  usbSystem.queues = {{"Mill A", "varnel hvx-40"}, {"Laser", "Other"}};
  EXPECT_EQ(controller.EnumerateDevices(), 1);
  EXPECT_STREQ(controller.GetDeviceNameAt(0), "Mill A");
  EXPECT_EQ(controller.GetDeviceNameAt(1), nullptr);
  EXPECT_EQ(controller.GetDeviceNameAt(-1), nullptr);
  EXPECT_TRUE(usbSystem.opened.empty());  // listing probes nothing
}

TEST_F(ControllerTest, TheSimulatorIsConnectedUnderTheModelName) {
  simulator.controlAnswers.push_back({1, 0, 0x34, 0x12});
  ASSERT_TRUE(controller.ConnectSimulator(0x1234));
  EXPECT_EQ(&controller.current(), &controller.simulator());
  EXPECT_STREQ(controller.GetDeviceName(), kModel);
  EXPECT_EQ(simulator.mappingNames.back(), "IPC Memory for Varnel HVX-40");
  EXPECT_EQ(simblock::Get32(&simulator.block[simblock::kOwnerWindow]), 0x1234u);
  EXPECT_EQ(simulator.setups.back().value, 0x0002);
  EXPECT_EQ(simulator.setups.back().requestType, 0xC1);
}

// Machines side by side: each has its own block, its own events and its own lock, and the model
// string's machine keeps the plain event names.
TEST_F(ControllerTest, ANamedSimulatorIsReachedThroughItsOwnBlockEventsAndLock) {
  // A named machine that is not running leaves the previous transport in use, as without a name.
  ConnectUsb();
  simulator.mappingExists = false;
  EXPECT_FALSE(controller.ConnectSimulatorNamed("Rack 9", 0));
  EXPECT_EQ(&controller.current(), &controller.usb());
  EXPECT_EQ(simulator.mappingNames.back(), "IPC Memory for Rack 9");

  simulator.mappingExists = true;
  simulator.device = "Rack 2";
  simulator.controlAnswers.push_back({1, 0, 0x34, 0x12});
  ASSERT_TRUE(controller.ConnectSimulatorNamed("Rack 2", 0));
  EXPECT_EQ(&controller.current(), &controller.simulator());
  EXPECT_STREQ(controller.GetDeviceName(), "Rack 2");
  EXPECT_EQ(simulator.mappingNames.back(), "IPC Memory for Rack 2");
  EXPECT_EQ(simulator.Count("USB Simulator Control Request for Rack 2"), 3);
  EXPECT_EQ(simulator.Count("USB Simulator Control Request"), 0);
  EXPECT_EQ(usbSystem.mutexNames.back(), "Global\\RireveZirariduda Rack 2");

  // Back to the model string's machine: the plain names again.
  simulator.device = simblock::kPlainEventsDevice;
  simulator.controlAnswers.push_back({1, 0, 0x34, 0x12});
  ASSERT_TRUE(controller.ConnectSimulator(0));
  EXPECT_EQ(simulator.mappingNames.back(), "IPC Memory for Varnel HVX-40");
  EXPECT_EQ(usbSystem.mutexNames.back(), "Global\\RireveZirariduda Varnel HVX-40");
}

TEST_F(ControllerTest, DisconnectAfterTheSimulatorLeavesBothClosedOnUsb) {
  simulator.controlAnswers.push_back({1, 0, 0x34, 0x12});
  ASSERT_TRUE(controller.ConnectSimulator(0x1234));
  controller.Disconnect();
  EXPECT_EQ(&controller.current(), &controller.usb());
  EXPECT_EQ(controller.transport(), static_cast<CTransport*>(&controller.usb()));
  EXPECT_EQ(controller.simulator().deviceHandle(), kInvalidDeviceHandle);
  EXPECT_EQ(simulator.views, 0);
  EXPECT_EQ(simulator.Count("USB Simulator Disconnect"), 1);
  EXPECT_EQ(controller.usb().deviceHandle(), kInvalidDeviceHandle);
}

TEST_F(ControllerTest, AFailedSimulatorClosesUsbAndStaysSelectedOnlyWithAWindow) {
  ConnectUsb();
  OsHandle device = controller.usb().deviceHandle();
  simulator.mappingExists = false;
  EXPECT_FALSE(controller.ConnectSimulator(0));
  EXPECT_EQ(&controller.current(), &controller.usb());
  EXPECT_EQ(controller.transport(), static_cast<CTransport*>(&controller.usb()));
  EXPECT_TRUE(usbSystem.WasClosed(device));
  EXPECT_EQ(controller.usb().deviceHandle(), kInvalidDeviceHandle);

  ConnectUsb();  // with a window, a failed simulator stays selected
  EXPECT_FALSE(controller.ConnectSimulator(0x1234));
  EXPECT_EQ(&controller.current(), &controller.simulator());
  EXPECT_EQ(controller.usb().deviceHandle(), kInvalidDeviceHandle);

  // A simulator started later is found by the next attempt.
  simulator.mappingExists = true;
  simulator.controlAnswers.push_back({1, 0, 0x34, 0x12});
  EXPECT_TRUE(controller.ConnectSimulator(0x1234));
}

}  // namespace
