// Control transfers: the setup packet, the data stage in pieces and packets, the status stage.
#include "link_fixture.h"

#include <algorithm>

using namespace simblock;

namespace {

class ControlTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    ASSERT_NE(Connect(), kInvalidDeviceHandle);
  }

  using EventSet = CFakeKernel::EventSet;
  std::vector<EventSet> ControlSets() { return kernel.EventSetsNamed(kControlRequest); }

  static std::vector<uint8_t> DataOf(const std::vector<uint8_t>& block) {
    const uint8_t* pipe = PipeIn(block, kControlPipeOffset);
    uint16_t count = Get16(pipe + kPipeCount);
    return std::vector<uint8_t>(pipe + kPipeData, pipe + kPipeData + count);
  }
  static uint8_t DirectionOf(const std::vector<uint8_t>& block) {
    return PipeIn(block, kControlPipeOffset)[kPipeDirection];
  }

  // A misbehaving server: every IN data piece claims the given count.
  void AnswerEveryPieceWith(uint16_t count, uint8_t fill) {
    OsHandle request = kernel.CreateNamedEvent(EventName(kControlRequest));
    OsHandle acknowledge = kernel.CreateNamedEvent(EventName(kControlAcknowledge));
    kernel.onRequest = [=] {
      uint8_t* pipe = PipeRecord(kControlPipeOffset);
      if (pipe[kPipeDirection] == kDeviceToHost && !Block()[kSetupPending]) {
        std::memset(pipe + kPipeData, fill, std::min<size_t>(count, 4100));
        Put16(pipe + kPipeCount, count);
      }
      kernel.ResetEvent(request);
      kernel.SetEvent(acknowledge);
    };
  }
};

TEST_F(ControlTest, VendorWriteSendsSetupHeaderDataAndStatusStage) {
  std::vector<uint8_t> payload = Pattern(10);
  ASSERT_TRUE(link.ControlOut(0xC1, 1, 0x1234, 0x55, payload.data(), 10));

  std::vector<EventSet> sets = ControlSets();
  ASSERT_EQ(sets.size(), 3u);
  const uint8_t* setup = sets[0].block.data();
  EXPECT_EQ(setup[kSetupPending], 1);
  EXPECT_EQ(setup[kRequestType], 0x41);  // direction bit cleared
  EXPECT_EQ(setup[kRequest], 1);
  EXPECT_EQ(Get16(setup + kValue), 0x1234);
  EXPECT_EQ(Get16(setup + kIndex), 0);  // the index is never passed on
  EXPECT_EQ(Get16(setup + kLength), 14);

  std::vector<uint8_t> expected = {0x01, 0x12, 0x34, 0x00};
  expected.insert(expected.end(), payload.begin(), payload.end());
  EXPECT_EQ(sets[1].block[kSetupPending], 0);
  EXPECT_EQ(DirectionOf(sets[1].block), kHostToDevice);
  EXPECT_EQ(DataOf(sets[1].block), expected);

  EXPECT_EQ(DirectionOf(sets[2].block), kDeviceToHost);
  EXPECT_TRUE(DataOf(sets[2].block).empty());

  ASSERT_EQ(machine.controlOuts.size(), 1u);
  EXPECT_EQ(machine.controlOuts[0].requestType, 0x41);
  EXPECT_EQ(machine.controlOuts[0].value, 0x1234);
  EXPECT_EQ(machine.controlOuts[0].data, payload);
}

TEST_F(ControlTest, VendorWritesBeyondOnePieceArriveWholeAndEmptyOnesCarryTheHeader) {
  std::vector<uint8_t> payload(65532);  // a length that cannot travel: refused before any handshake
  EXPECT_FALSE(link.ControlOut(0x41, 1, 1, 0, payload.data(), 65532));
  EXPECT_TRUE(kernel.eventSets.empty());

  payload = Pattern(5000, 3);
  ASSERT_TRUE(link.ControlOut(0x41, 1, 0x0263, 0, payload.data(), 5000));
  std::vector<EventSet> sets = ControlSets();
  ASSERT_EQ(sets.size(), 4u);  // setup, 4100 bytes with the header, the last 904, status
  EXPECT_EQ(Get16(sets[0].block.data() + kLength), 5004);
  EXPECT_EQ(DataOf(sets[1].block).size(), 4100u);
  EXPECT_EQ(DataOf(sets[2].block), std::vector<uint8_t>(payload.begin() + 4096, payload.end()));
  ASSERT_EQ(machine.controlOuts.size(), 1u);
  EXPECT_EQ(machine.controlOuts[0].data, payload);

  kernel.eventSets.clear();
  ASSERT_TRUE(link.ControlOut(0x41, 1, 0x0277, 0, nullptr, 0));
  sets = ControlSets();
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(Get16(sets[0].block.data() + kLength), 4);
  EXPECT_EQ(DataOf(sets[1].block), (std::vector<uint8_t>{0x01, 0x02, 0x77, 0x00}));
  EXPECT_TRUE(machine.controlOuts[1].data.empty());
}

TEST_F(ControlTest, VendorReadEndsOnAShortPieceEvenWhenLessArrivedThanAsked) {
  machine.controlAnswer = Pattern(10);
  uint8_t buffer[100] = {};
  ASSERT_EQ(link.ControlIn(0x41, 1, 0x0003, 7, buffer, 100), 10);

  std::vector<EventSet> sets = ControlSets();
  ASSERT_EQ(sets.size(), 3u);  // setup, one data piece, status
  EXPECT_EQ(sets[0].block[kRequestType], 0xC1);  // direction bit set
  EXPECT_EQ(Get16(sets[0].block.data() + kLength), 100);
  EXPECT_EQ(Get16(sets[0].block.data() + kIndex), 0);
  EXPECT_EQ(DirectionOf(sets[1].block), kDeviceToHost);
  EXPECT_EQ(DirectionOf(sets[2].block), kHostToDevice);
  EXPECT_EQ(Get16(PipeIn(sets[2].block, kControlPipeOffset) + kPipeCount), 0);
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 10), machine.controlAnswer);
  ASSERT_EQ(machine.controlIns.size(), 1u);
  EXPECT_EQ(machine.controlIns[0].length, 100);
}

TEST_F(ControlTest, VendorReadOfWholePacketsAsksAgainUntilAnEmptyPieceOrTheLength) {
  machine.controlAnswer = Pattern(128);  // two whole 64-byte packets
  std::vector<uint8_t> buffer(200);
  ASSERT_EQ(link.ControlIn(0xC1, 1, 0x0003, 0, buffer.data(), 200), 128);
  EXPECT_EQ(ControlSets().size(), 4u);  // setup, 128 bytes, an empty piece, status
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 128), machine.controlAnswer);

  kernel.eventSets.clear();
  machine.controlAnswer = Pattern(6000, 9);
  buffer.assign(6000, 0);
  ASSERT_EQ(link.ControlIn(0xC1, 1, 0x0003, 0, buffer.data(), 6000), 6000);
  EXPECT_EQ(ControlSets().size(), 4u);  // setup, 4096, 1904, status
  EXPECT_EQ(buffer, machine.controlAnswer);

  kernel.eventSets.clear();
  ASSERT_EQ(link.ControlIn(0xC1, 1, 0x0003, 0, buffer.data(), 64), 64);
  EXPECT_EQ(ControlSets().size(), 3u);  // the asked length ends it
}

TEST_F(ControlTest, VendorReadNeverWritesPastTheLengthAskedNorThePipe) {
  AnswerEveryPieceWith(64, 0xAB);
  uint8_t buffer[16];
  std::memset(buffer, 0x11, sizeof buffer);
  ASSERT_EQ(link.ControlIn(0xC1, 1, 1, 0, buffer, 8), 8);
  EXPECT_EQ(buffer[7], 0xAB);
  EXPECT_EQ(buffer[8], 0x11);

  AnswerEveryPieceWith(0xFFFF, 0xCD);  // clamped to the capacity, not whole packets: it ends
  uint16_t capacity = Get16(PipeRecord(kControlPipeOffset) + kPipeCapacity);
  std::vector<uint8_t> big(0xFFFF, 0x11);
  ASSERT_EQ(link.ControlIn(0xC1, 1, 1, 0, big.data(), 0xFFFF), capacity);
}

TEST_F(ControlTest, AMissingAcknowledgeFailsTheTransferAfterHalfASecond) {
  server.SetFaults(NoAcknowledge());
  uint8_t buffer[8] = {};
  EXPECT_FALSE(link.ControlOut(0x41, 1, 0x0263, 0, buffer, 8));
  EXPECT_EQ(kernel.waitTimeouts, std::vector<uint32_t>{500});
  EXPECT_EQ(Block()[kSetupPending], 0);
  EXPECT_EQ(link.ControlIn(0xC1, 1, 1, 0, buffer, 8), -1);
  EXPECT_TRUE(machine.controlOuts.empty());
  EXPECT_TRUE(machine.controlIns.empty());

  server.SetFaults(ServerFaults());
  machine.controlAnswer = Pattern(8);
  EXPECT_EQ(link.ControlIn(0xC1, 1, 1, 0, buffer, 8), 8);
}

TEST_F(ControlTest, ALostStatusStageFailsARead) {
  machine.controlAnswer = Pattern(8);
  int handshakes = 0;
  kernel.onRequest = [&] {
    if (++handshakes < 3) server.ServeOnce(machine, 0);
  };
  uint8_t buffer[8];
  EXPECT_EQ(link.ControlIn(0xC1, 1, 1, 0, buffer, 8), -1);
  EXPECT_EQ(handshakes, 3);
}

}  // namespace
