// The simulator transport: the USB transport's rules over the shared block of a simulator.
#include <gtest/gtest.h>

#include "fake_simulator.h"
#include "fake_usb_system.h"
#include "memory_file.h"
#include "simulator_transport.h"

namespace {

const char kModel[] = "Varnel HVX-40";
OsHandle const kWindow = reinterpret_cast<OsHandle>(0x4711);

class SimulatorTransportTest : public ::testing::Test {
 protected:
  SimulatorTransportTest() : transport(system, simulator) {}

  void Connect() {
    transport.SetOwnerWindow(kWindow);
    transport.SetDeviceName(kModel);
    ASSERT_TRUE(transport.Open());
    simulator.setNames.clear();
    simulator.posts.clear();
  }

  CFakeUsbSystem system;
  CFakeSimulator simulator;
  CSimulatorTransport transport;
};

TEST_F(SimulatorTransportTest, EveryOpenMapsTheModelsBlockAgainUnderTheDevicesMutex) {
  Connect();
  EXPECT_EQ(simulator.mappingNames, std::vector<std::string>{"IPC Memory for Varnel HVX-40"});
  EXPECT_EQ(simulator.views, 1);
  EXPECT_EQ(system.mutexNames,
            std::vector<std::string>{"Global\\RireveZirariduda Varnel HVX-40"});
  EXPECT_TRUE(system.lookedUp.empty());  // a simulator has no device path
  EXPECT_TRUE(system.opened.empty());

  ASSERT_TRUE(transport.Open());  // every Open reconnects: there is no path to keep
  EXPECT_EQ(simulator.mappingNames.size(), 2u);
  EXPECT_EQ(simulator.Count("USB Simulator Disconnect"), 1);
  EXPECT_EQ(simulator.views, 1);
}

TEST_F(SimulatorTransportTest, AMissingSimulatorFailsTheOpen) {
  simulator.mappingExists = false;
  transport.SetDeviceName(kModel);
  EXPECT_FALSE(transport.Open());
  EXPECT_EQ(transport.deviceHandle(), kInvalidDeviceHandle);
}

TEST_F(SimulatorTransportTest, DeviceIdDropsTheLengthPrefix) {
  Connect();
  const std::string raw = std::string("\x00\x1A", 2) + "MFG:Varnel;MDL:HVX-40;";
  simulator.controlAnswers.push_back(std::vector<uint8_t>(raw.begin(), raw.end()));
  std::string id;
  ASSERT_TRUE(transport.ReadDeviceId(id));
  EXPECT_EQ(id, "MFG:Varnel;MDL:HVX-40;");
  const CFakeSimulator::Setup& setup = simulator.setups.back();
  EXPECT_EQ(setup.requestType, 0xA1);
  EXPECT_EQ(setup.request, 0);
  EXPECT_EQ(setup.value, 0);
  EXPECT_EQ(setup.length, 4092);

  simulator.controlAnswers.push_back({0x00});
  ASSERT_TRUE(transport.ReadDeviceId(id));
  EXPECT_EQ(id, "");
}

TEST_F(SimulatorTransportTest, VendorRequestsAreVendorInterfaceRequests) {
  Connect();
  ASSERT_TRUE(transport.VendorWrite(0x0263, nullptr, 0));
  EXPECT_EQ(simulator.setups.back().requestType, 0x41);
  EXPECT_EQ(simulator.setups.back().value, 0x0263);
  simulator.controlAnswers.push_back({1, 2, 3, 4, 5, 6, 7, 8});
  uint8_t status[8];
  EXPECT_EQ(transport.VendorRead(0x0001, status, 8), 8);
  EXPECT_EQ(simulator.setups.back().requestType, 0xC1);
  EXPECT_EQ(status[7], 8);
}

TEST_F(SimulatorTransportTest, BulkWriteRepeatsUntilTheSimulatorTookEverything) {
  Connect();
  const auto data = Pattern(1200);
  ASSERT_TRUE(transport.BulkWrite(data.data(), 1200));
  EXPECT_EQ(simulator.Count("USB Simulator BulkOut Request"), 3);  // 512 + 512 + 176
  EXPECT_EQ(simulator.bulkOut, data);

  EXPECT_TRUE(transport.BulkWrite(data.data(), 0));
  EXPECT_EQ(simulator.Count("USB Simulator BulkOut Request"), 3);  // zero bytes: no handshake

  simulator.block[1] = 0;  // the simulator withdrew its device
  EXPECT_FALSE(transport.BulkWrite(data.data(), 10));
}

// While the bulk OUT is not ready the simulator is asked again after a pause each time; one
// that never becomes ready is given up after 10 s instead of freezing the caller.
TEST_F(SimulatorTransportTest, BulkWriteWaitsForANotReadySimulatorWithPausesAndABound) {
  Connect();
  const auto data = Pattern(600);
  simulator.block[simblock::kStatus0] = simblock::kBulkOutNotReadyBit;
  simulator.readyAfterSleeps = 5;
  ASSERT_TRUE(transport.BulkWrite(data.data(), 600));
  EXPECT_EQ(simulator.sleeps, std::vector<uint32_t>(5, 1));
  EXPECT_EQ(simulator.bulkOut, data);

  simulator.sleeps.clear();
  simulator.readyAfterSleeps = -1;
  simulator.block[simblock::kStatus0] = simblock::kBulkOutNotReadyBit;
  const uint32_t start = simulator.now;
  EXPECT_FALSE(transport.BulkWrite(data.data(), 600));
  EXPECT_GT(simulator.now - start, 10000u);
  EXPECT_LT(simulator.now - start, 10100u);
  EXPECT_EQ(simulator.bulkOut.size(), 600u);  // nothing more was handed over
}

TEST_F(SimulatorTransportTest, SendFileHandsOverThePathNotTheBytes) {
  Connect();
  CMemoryFile file(Pattern(5000), "C:\\Temp\\outputfile");
  ASSERT_TRUE(transport.SendFile(file, "ignored name"));
  EXPECT_EQ(simulator.outputPaths, std::vector<std::string>{"C:\\Temp\\outputfile"});
  EXPECT_EQ(file.reads, 0);
  EXPECT_TRUE(system.spooler.empty());
}

TEST_F(SimulatorTransportTest, DestructionDisconnectsFromTheSimulator) {
  {
    CSimulatorTransport local(system, simulator);
    local.SetOwnerWindow(kWindow);
    local.SetDeviceName(kModel);
    ASSERT_TRUE(local.Open());
    simulator.posts.clear();
  }
  EXPECT_EQ(simulator.views, 0);
  EXPECT_EQ(simulator.Count("USB Simulator Disconnect"), 1);
  EXPECT_EQ(simulator.posts, std::vector<OsHandle>{kWindow});
}

}  // namespace
