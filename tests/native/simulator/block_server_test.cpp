// The emulator's block server: its block, its fault switches, and serving from its own thread.
#include <atomic>
#include <thread>

#include "link_fixture.h"

using namespace simblock;

namespace {

TEST_F(LinkTest, TheServerLaysOutABlockThatLeavesRoomForAnyPath) {
  uint8_t* block = Block();
  EXPECT_EQ(kernel.Mapping("IPC Memory for Varnel HVX-40")->size(), 16384u);
  EXPECT_EQ(block[kStatus1] & kDevicePresentBit, kDevicePresentBit);
  EXPECT_EQ(block[kStatus0] & kBulkOutNotReadyBit, 0);
  EXPECT_GE(Get16(block + kControlPipeOffset) - kOutputFilePath, 261u);

  struct Expected { size_t field; uint16_t packet; uint16_t capacity; };
  for (Expected pipe : {Expected{kControlPipeOffset, 64, 4100}, Expected{kBulkOutPipeOffset, 512, 4096},
                        Expected{kBulkInPipeOffset, 512, 4096}}) {
    const uint8_t* record = PipeRecord(pipe.field);
    EXPECT_EQ(Get16(record + kPipePacketSize), pipe.packet);
    EXPECT_EQ(Get16(record + kPipeCapacity), pipe.capacity);
    EXPECT_LE(record + kPipeData + pipe.capacity, block + 16384);
  }
  // The records do not overlap.
  EXPECT_GE(Get16(block + kBulkOutPipeOffset), Get16(block + kControlPipeOffset) + kPipeData + 4100);
  EXPECT_GE(Get16(block + kBulkInPipeOffset), Get16(block + kBulkOutPipeOffset) + kPipeData + 4096);
}

TEST_F(LinkTest, ANewServerClearsEventsLeftSignalled) {
  server.Close();
  OsHandle stale = kernel.CreateNamedEvent(EventName(kControlAcknowledge));
  kernel.SetEvent(stale);
  ASSERT_TRUE(server.Create(kDevice));
  EXPECT_FALSE(kernel.IsSignalled(kControlAcknowledge));
}

TEST_F(LinkTest, AnotherClientLeavingDoesNotDisturbATransferInProgress) {
  Connect();
  CSimulatorLink other(kernel);
  OsHandle otherHandle = other.OpenBlock(kDevice, nullptr);
  int requests = 0;
  kernel.onRequest = [&] {
    if (++requests == 2) other.CloseBlock(otherHandle);
    while (server.ServeOnce(machine, 0)) {
    }
  };
  std::vector<uint8_t> payload = Pattern(5000);
  ASSERT_TRUE(link.ControlOut(0x41, 1, 0x02E2, 0, payload.data(), 5000));
  EXPECT_EQ(machine.disconnects, 1);
  ASSERT_EQ(machine.controlOuts.size(), 1u);
  EXPECT_EQ(machine.controlOuts[0].data, payload);
}

TEST_F(LinkTest, ClosingTheServerWithdrawsTheDeviceFromConnectedClients) {
  Connect();
  int handlesBefore = kernel.openHandles;
  server.Close();
  uint8_t data[4] = {};
  EXPECT_FALSE(link.IsPresent());
  EXPECT_FALSE(link.ControlOut(0x41, 1, 1, 0, data, 4));
  EXPECT_EQ(kernel.openHandles, handlesBefore - 10);  // its mapping and nine events
  EXPECT_FALSE(server.ServeOnce(machine, 0));
}

// With waits that really wait, mixed exchanges all arrive whole and in order.
TEST_F(LinkTest, AServerThreadServesAClientThroughRealWaits) {
  kernel.onRequest = nullptr;
  kernel.realWaits = true;
  ASSERT_NE(Connect(), kInvalidDeviceHandle);
  std::atomic<bool> stop{false};
  std::thread serving([&] {
    while (!stop) server.ServeOnce(machine, 20);
  });

  machine.controlAnswer = Pattern(8, 4);
  bool allWell = true;
  for (int i = 0; i < 40 && allWell; ++i) {
    std::vector<uint8_t> payload = Pattern(100 + i, static_cast<uint8_t>(i));
    uint8_t answer[8] = {};
    allWell = link.ControlOut(0x41, 1, static_cast<uint16_t>(0x0200 + i), 0, payload.data(),
                              static_cast<uint16_t>(payload.size())) &&
              link.ControlIn(0xC1, 1, 0x0003, 0, answer, 8) == 8 &&
              std::vector<uint8_t>(answer, answer + 8) == machine.controlAnswer &&
              link.BulkOut(payload.data(), 50) == 50;
  }
  stop = true;
  serving.join();

  ASSERT_TRUE(allWell);
  ASSERT_EQ(machine.controlOuts.size(), 40u);
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(machine.controlOuts[i].value, 0x0200 + i);
    EXPECT_EQ(machine.controlOuts[i].data, Pattern(100 + i, static_cast<uint8_t>(i)));
  }
  EXPECT_EQ(machine.bulkOut.size(), 40u * 50u);
}

}  // namespace
