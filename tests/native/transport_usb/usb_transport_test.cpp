// The USB printer-class transport: what reaches the driver and the mutex.
#include <gtest/gtest.h>

#include <numeric>

#include "fake_usb_system.h"
#include "usb_print_transport.h"

namespace {

const char kMachine[] = "HVX on USB001";
const char kPath[] = "\\\\?\\usb#vid_0b4d&pid_1100#printer";

class UsbTransportTest : public ::testing::Test {
 protected:
  UsbTransportTest() : transport(nullptr, system) {
    system.paths[kMachine] = kPath;
    system.paths["Second"] = "\\\\?\\second";
  }

  void OpenMachine() {
    transport.SetDeviceName(kMachine);
    ASSERT_TRUE(transport.Open());
  }

  CFakeUsbSystem system;
  CUsbPrintTransport transport;
};

TEST_F(UsbTransportTest, OpenWithoutNameTouchesNothing) {
  EXPECT_FALSE(transport.Open());
  EXPECT_TRUE(system.lookedUp.empty());
  EXPECT_TRUE(system.opened.empty());
  EXPECT_TRUE(system.mutexNames.empty());
}

TEST_F(UsbTransportTest, OpenResolvesOpensSynchronouslyAndNamesTheMutex) {
  OpenMachine();
  EXPECT_EQ(system.opened, std::vector<std::string>{kPath});
  EXPECT_FALSE(system.openedOverlapped[0]);
  EXPECT_EQ(system.mutexNames,
            std::vector<std::string>{std::string("Global\\RireveZirariduda ") + kMachine});
  EXPECT_EQ(transport.devicePath(), kPath);
  EXPECT_STREQ(transport.GetDeviceName(), kMachine);

  transport.SetDeviceName(kMachine);  // the same name keeps the path; a second Open does nothing
  EXPECT_EQ(transport.devicePath(), kPath);
  EXPECT_TRUE(transport.Open());
  EXPECT_EQ(system.opened.size(), 1u);
  EXPECT_EQ(system.mutexNames.size(), 1u);
  EXPECT_TRUE(system.closed.empty());
}

TEST_F(UsbTransportTest, OpenUnderANewNameCarriesTheLockDepthToTheNewMutex) {
  OpenMachine();
  OsHandle first = transport.deviceHandle();
  ASSERT_TRUE(transport.Lock(10000));
  ASSERT_TRUE(transport.Lock(10000));
  system.waits.clear();

  transport.SetDeviceName("Second");
  EXPECT_EQ(transport.devicePath(), "");
  ASSERT_TRUE(transport.Open());

  EXPECT_TRUE(system.WasClosed(first));
  EXPECT_EQ(system.opened.back(), "\\\\?\\second");
  EXPECT_EQ(system.mutexNames.back(), "Global\\RireveZirariduda Second");
  const std::string oldName = std::string("Global\\RireveZirariduda ") + kMachine;
  EXPECT_EQ(system.releases, (std::vector<std::string>{oldName, oldName}));
  ASSERT_EQ(system.waits.size(), 2u);
  EXPECT_EQ(system.waits[0].first, "Global\\RireveZirariduda Second");
  EXPECT_EQ(system.waits[1].second, 10000u);
  EXPECT_EQ(transport.lockDepth(), 2u);
}

TEST_F(UsbTransportTest, OpenFailsWhenThePathOrTheDeviceIsMissingAndManagesWithoutAMutex) {
  transport.SetDeviceName("Unknown queue");
  EXPECT_FALSE(transport.Open());
  EXPECT_TRUE(system.opened.empty());

  system.unopenablePaths.insert(kPath);
  transport.SetDeviceName(kMachine);
  EXPECT_FALSE(transport.Open());
  EXPECT_EQ(transport.deviceHandle(), kInvalidDeviceHandle);
  EXPECT_TRUE(system.mutexNames.empty());

  system.unopenablePaths.clear();
  system.mutexCreationFails = true;  // Open succeeds without a mutex, but no lock is taken
  EXPECT_TRUE(transport.Open());
  EXPECT_FALSE(transport.Lock(10000));
  EXPECT_TRUE(system.waits.empty());
}

TEST_F(UsbTransportTest, ALostRelockFailsOpenButLeavesTheDeviceOpen) {
  OpenMachine();
  ASSERT_TRUE(transport.Lock(10000));
  transport.SetDeviceName("Second");
  system.waitResults.push_back(MutexWait::kTimedOut);
  EXPECT_FALSE(transport.Open());
  EXPECT_NE(transport.deviceHandle(), kInvalidDeviceHandle);
  EXPECT_EQ(transport.lockDepth(), 0u);
}

TEST_F(UsbTransportTest, CloseForgetsTheDeviceAndKeepsTheLocks) {
  OpenMachine();
  OsHandle device = transport.deviceHandle();
  ASSERT_TRUE(transport.Lock(10000));
  EXPECT_TRUE(transport.Close());
  EXPECT_TRUE(system.WasClosed(device));
  EXPECT_STREQ(transport.GetDeviceName(), "");
  EXPECT_EQ(transport.devicePath(), "");
  EXPECT_EQ(transport.lockDepth(), 1u);
  EXPECT_FALSE(transport.Open());  // no name left to reopen

  system.closed.clear();
  EXPECT_TRUE(transport.Close());  // nothing open
  EXPECT_TRUE(system.closed.empty());
}

TEST_F(UsbTransportTest, DestructionClosesDeviceAndMutexWithoutReleasingCountedLocks) {
  OsHandle device;
  {
    CUsbPrintTransport local(nullptr, system);
    local.SetDeviceName(kMachine);
    ASSERT_TRUE(local.Open());
    ASSERT_TRUE(local.Lock(10000));
    device = local.deviceHandle();
  }
  EXPECT_TRUE(system.WasClosed(device));
  EXPECT_EQ(system.closed.size(), 2u);  // the device and the mutex
  EXPECT_TRUE(system.releases.empty());
}

TEST_F(UsbTransportTest, NestedLocksCountFailedWaitsAndSpareUnlocksDoNot) {
  EXPECT_FALSE(transport.Lock(10000));  // no mutex before the first Open
  EXPECT_TRUE(system.waits.empty());

  OpenMachine();
  EXPECT_TRUE(transport.Lock(10000));
  EXPECT_TRUE(transport.Lock(10000));
  EXPECT_EQ(transport.lockDepth(), 2u);
  system.waitResults = {MutexWait::kTimedOut, MutexWait::kAbandoned, MutexWait::kFailed};
  EXPECT_FALSE(transport.Lock(250));
  EXPECT_FALSE(transport.Lock(250));
  EXPECT_FALSE(transport.Lock(250));
  EXPECT_EQ(system.waits.back().second, 250u);
  EXPECT_EQ(transport.lockDepth(), 2u);
  EXPECT_EQ(transport.Unlock(), 1);
  system.releaseWorks = false;
  EXPECT_EQ(transport.Unlock(), 0);  // a release the system refused is not reported done
  system.releaseWorks = true;
  EXPECT_EQ(transport.lockDepth(), 0u);
  EXPECT_EQ(system.releases.size(), 2u);
  system.releases.clear();

  EXPECT_EQ(transport.Unlock(), 0);  // without a lock nothing is released
  EXPECT_EQ(transport.lockDepth(), 0u);
  EXPECT_TRUE(system.releases.empty());
  // A wrapped depth would make the next re-open release the mutex four billion times.
  transport.SetDeviceName("Second");
  EXPECT_TRUE(transport.Open());
  EXPECT_TRUE(system.releases.empty());
}

TEST_F(UsbTransportTest, DeviceIdIsAskedWith4093BytesAndCutAtItsTerminator) {
  std::string id;
  EXPECT_FALSE(transport.ReadDeviceId(id));  // nothing open: no driver call
  EXPECT_TRUE(system.ioctls.empty());

  OpenMachine();
  system.deviceId = std::string("MFG:Varnel;MDL:HVX-40;\0garbage", 30);
  ASSERT_TRUE(transport.ReadDeviceId(id));
  EXPECT_EQ(id, "MFG:Varnel;MDL:HVX-40;");
  ASSERT_EQ(system.ioctls.size(), 1u);
  EXPECT_EQ(system.ioctls[0].code, CFakeUsbSystem::kQueryDeviceId);
  EXPECT_TRUE(system.ioctls[0].input.empty());
  EXPECT_EQ(system.ioctls[0].outputSize, 4093u);

  // A failed device id closes the device; EnsureOpen reopens it from the cached path.
  OsHandle device = transport.deviceHandle();
  system.ioctlFails = true;
  EXPECT_FALSE(transport.CheckConnection());
  EXPECT_TRUE(system.WasClosed(device));
  EXPECT_EQ(transport.deviceHandle(), kInvalidDeviceHandle);
  EXPECT_STREQ(transport.GetDeviceName(), kMachine);
  EXPECT_EQ(transport.devicePath(), kPath);

  EXPECT_TRUE(transport.EnsureOpen());
  EXPECT_EQ(system.opened, (std::vector<std::string>{kPath, kPath}));
  EXPECT_EQ(system.lookedUp.size(), 1u);  // the cached path served
}

TEST_F(UsbTransportTest, VendorWriteFramesValueHighByteFirstAndTakesAtMost4089Bytes) {
  OpenMachine();
  const uint8_t small[] = {0xAA, 0xBB, 0xCC};
  ASSERT_TRUE(transport.VendorWrite(0x1234, small, 3));
  const auto& call = system.ioctls.back();
  EXPECT_EQ(call.code, CFakeUsbSystem::kVendorSet);
  EXPECT_EQ(call.input, (std::vector<uint8_t>{1, 0x12, 0x34, 0, 0xAA, 0xBB, 0xCC}));
  EXPECT_EQ(call.outputSize, 0u);
  EXPECT_EQ(call.device, transport.deviceHandle());

  std::vector<uint8_t> data(4090);
  std::iota(data.begin(), data.end(), 0);
  ASSERT_TRUE(transport.VendorWrite(0x0201, data.data(), 4089));
  EXPECT_EQ(system.ioctls.back().input.size(), 4093u);
  EXPECT_EQ(system.ioctls.back().input[4 + 4088], data[4088]);
  system.ioctls.clear();
  EXPECT_FALSE(transport.VendorWrite(0x0201, data.data(), 4090));
  EXPECT_TRUE(system.ioctls.empty());
}

TEST_F(UsbTransportTest, VendorReadsAskThreeBytesAtLeastReportNoMoreThanAskedAndFailAsMinusOne) {
  OpenMachine();
  system.vendorAnswers[0x0FFE] = {0x5A, 0x6B, 0x7C};
  for (uint16_t length : {1, 2}) {
    uint8_t buffer[4] = {0, 0, 0, 0};
    EXPECT_EQ(transport.VendorRead(0x0FFE, buffer, length), length);
    const auto& call = system.ioctls.back();
    EXPECT_EQ(call.code, CFakeUsbSystem::kVendorGet);
    EXPECT_EQ(call.input, (std::vector<uint8_t>{1, 0x0F, 0xFE}));
    EXPECT_EQ(call.outputSize, 3u);
    EXPECT_EQ(buffer[0], 0x5A);
    EXPECT_EQ(buffer[1], length == 2 ? 0x6B : 0);
    EXPECT_EQ(buffer[length], 0);  // nothing beyond what was asked
  }

  system.vendorAnswers[0x0001] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  system.claimedExtra = 100;
  uint8_t buffer[8];
  EXPECT_EQ(transport.VendorRead(0x0001, buffer, 8), 8);
  EXPECT_EQ(system.ioctls.back().outputSize, 8u);
  system.ioctlFails = true;
  EXPECT_EQ(transport.VendorRead(0x0001, buffer, 8), -1);
  EXPECT_EQ(transport.VendorRead(0x0001, buffer, 2), -1);
}

TEST_F(UsbTransportTest, SynchronousBulkTransfers) {
  OpenMachine();
  const uint8_t data[] = {9, 8, 7};
  EXPECT_TRUE(transport.BulkWrite(data, 3));
  EXPECT_EQ(system.bulkWrites.back(), (std::vector<uint8_t>{9, 8, 7}));
  EXPECT_EQ(system.bulkOverlapped.back(), nullptr);
  system.bulkWriteResult = DeviceIo::kFailed;
  EXPECT_FALSE(transport.BulkWrite(data, 3));

  uint8_t buffer[16];
  EXPECT_EQ(transport.BulkRead(buffer, 16), 0);  // nothing available yet is a valid answer
  system.bulkIn = {4, 5};
  EXPECT_EQ(transport.BulkRead(buffer, 16), 2);
  EXPECT_EQ(buffer[1], 5);
  system.bulkReadResult = DeviceIo::kFailed;
  EXPECT_EQ(transport.BulkRead(buffer, 16), -1);
}

// A parameter area written in pieces arrives whole; a driver that takes nothing fails the
// write rather than leave the area short.
TEST_F(UsbTransportTest, ASynchronousBulkWriteThatTookLessWritesTheRest) {
  OpenMachine();
  const uint8_t data[] = {1, 2, 3, 4, 5, 6, 7};
  system.bulkTakesAtMost = 3;
  EXPECT_TRUE(transport.BulkWrite(data, 7));
  EXPECT_EQ(system.bulkWrites, (std::vector<std::vector<uint8_t>>{
                                   {1, 2, 3, 4, 5, 6, 7}, {4, 5, 6, 7}, {7}}));
  system.bulkWrites.clear();
  system.bulkTakesAtMost = 0;
  EXPECT_FALSE(transport.BulkWrite(data, 7));
  EXPECT_EQ(system.bulkWrites.size(), 1u);
  EXPECT_TRUE(transport.BulkWrite(data, 0));  // nothing to write is no short write
}

TEST_F(UsbTransportTest, OverlappedModeOpensOverlappedRefusesReadsAndTakesPendingWrites) {
  char record[20];
  CUsbPrintTransport overlapped(record, system);
  overlapped.SetDeviceName(kMachine);
  ASSERT_TRUE(overlapped.Open());
  EXPECT_TRUE(system.openedOverlapped.back());

  uint8_t buffer[4];
  EXPECT_EQ(overlapped.BulkRead(buffer, 4), -1);
  EXPECT_TRUE(system.bulkReadLengths.empty());

  system.bulkWriteResult = DeviceIo::kPending;
  EXPECT_TRUE(overlapped.BulkWrite(buffer, 4));
  EXPECT_EQ(system.bulkOverlapped.back(), static_cast<void*>(record));
  system.bulkWriteResult = DeviceIo::kFailed;
  EXPECT_FALSE(overlapped.BulkWrite(buffer, 4));
}

}  // namespace
