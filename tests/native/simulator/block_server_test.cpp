// The emulator's block server: its block, its fault switches, and serving from its own thread.
#include <atomic>
#include <chrono>
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

TEST_F(LinkTest, AHeldNotReadyBitStaysSetUntilSwitchedOff) {
  ASSERT_NE(Connect(), kInvalidDeviceHandle);
  ServerFaults held;
  held.bulkOutHeld = true;
  server.SetFaults(held);
  server.ServeOnce(machine, 0);  // published on the server's next round
  EXPECT_EQ(Block()[kStatus0] & kBulkOutNotReadyBit, kBulkOutNotReadyBit);
  uint8_t data[4] = {1, 2, 3, 4};
  EXPECT_EQ(link.BulkOut(data, 4), 0);
  EXPECT_TRUE(machine.bulkOut.empty());

  server.SetFaults(ServerFaults());
  server.ServeOnce(machine, 0);
  EXPECT_EQ(link.BulkOut(data, 4), 4);
}

// A machine that stopped answering: each poll still times out after its own 500 ms, but the
// wait for the overdue acknowledge before it ends 1000 ms after the time-out, however late the
// next poll comes, so a caller polling slowly is not held up for 1.5 s at every poll.
TEST_F(LinkTest, AnOverdueAcknowledgeIsAwaitedUntilItsBoundAfterTheTimeOutAndNoLonger) {
  Connect();
  kernel.onRequest = nullptr;
  uint8_t byte = 0;
  EXPECT_FALSE(link.ControlOut(0x41, 1, 0x0201, 0, &byte, 1));
  kernel.waitTimeouts.clear();
  kernel.tickOffsetMs += 400;
  EXPECT_FALSE(link.ControlOut(0x41, 1, 0x0201, 0, &byte, 1));
  ASSERT_EQ(kernel.waitTimeouts.size(), 2u);
  EXPECT_NEAR(kernel.waitTimeouts[0], 600.0, 20.0);
  EXPECT_EQ(kernel.waitTimeouts[1], CSimulatorLink::kAcknowledgeTimeoutMs);
  kernel.waitTimeouts.clear();
  kernel.tickOffsetMs += 2000;
  EXPECT_FALSE(link.ControlOut(0x41, 1, 0x0201, 0, &byte, 1));
  EXPECT_EQ(kernel.waitTimeouts, std::vector<uint32_t>{CSimulatorLink::kAcknowledgeTimeoutMs});
}

// A server that acknowledges one request after the client's time-out. The client's next
// transfer on that channel must not take the overdue acknowledge for its own, whether it starts
// before that acknowledge arrives or after.
class LateAcknowledgeTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    kernel.onRequest = nullptr;
    kernel.realWaits = true;
    ASSERT_NE(Connect(), kInvalidDeviceHandle);
    serving_ = std::thread([this] {
      while (!stop_) server.ServeOnce(machine, 20);
    });
  }
  void TearDown() override {
    stop_ = true;
    serving_.join();
  }
  // The first write times out; the second, after the pause, is the one that must arrive.
  void WriteTwiceAroundALateAcknowledge(int pauseMs) {
    ServerFaults late;
    late.lateAcknowledge = true;
    server.SetFaults(late);
    std::vector<uint8_t> first = Pattern(6, 1), second = Pattern(9, 2);
    kernel.eventSets.clear();
    EXPECT_FALSE(link.ControlOut(0x41, 1, 0x0201, 0, first.data(), 6));
    EXPECT_FALSE(server.faults().lateAcknowledge);  // it clears itself once served
    std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    ASSERT_TRUE(link.ControlOut(0x41, 1, 0x0203, 0, second.data(), 9));
    // No new request goes out while the acknowledge of the given-up one is still owed.
    const std::vector<std::string> sets = kernel.SetNames();
    ASSERT_GE(sets.size(), 3u);
    EXPECT_EQ(sets[0], EventName(kControlRequest));
    EXPECT_EQ(sets[1], EventName(kControlAcknowledge));
    EXPECT_EQ(sets[2], EventName(kControlRequest));
    EXPECT_EQ(machine.outOfStep, 0);
    ASSERT_EQ(machine.controlOuts.size(), 1u);
    EXPECT_EQ(machine.controlOuts[0].value, 0x0203);
    EXPECT_EQ(machine.controlOuts[0].data, second);
    // A link one acknowledge ahead of the server reads answers the server has not yet placed.
    for (uint8_t round = 0; round < 5; ++round) {
      machine.controlAnswer = Pattern(8, round);
      uint8_t answer[8] = {};
      ASSERT_EQ(link.ControlIn(0xC1, 1, 0x0003, 0, answer, 8), 8);
      EXPECT_EQ(std::vector<uint8_t>(answer, answer + 8), machine.controlAnswer);
    }
    EXPECT_EQ(machine.controlIns.size(), 5u);
  }

  std::atomic<bool> stop_{false};
  std::thread serving_;
};

TEST_F(LateAcknowledgeTest, TheNextTransferStartedBeforeTheLateAcknowledgeWaitsItOut) {
  WriteTwiceAroundALateAcknowledge(0);
}

TEST_F(LateAcknowledgeTest, TheNextTransferStartedAfterTheLateAcknowledgeIgnoresIt) {
  WriteTwiceAroundALateAcknowledge(300);
}

}  // namespace
