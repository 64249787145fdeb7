// The bulk pipes and the output file path.
#include "link_fixture.h"

using namespace simblock;

namespace {

class BulkTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    ASSERT_NE(Connect(), kInvalidDeviceHandle);
  }
};

TEST_F(BulkTest, BulkOutHandsOverAtMostOnePipeFull) {
  std::vector<uint8_t> data = Pattern(5000);
  ASSERT_EQ(link.BulkOut(data.data(), 100), 100);
  std::vector<CFakeKernel::EventSet> sets = kernel.EventSetsNamed(kBulkOutRequest);
  ASSERT_EQ(sets.size(), 1u);
  const uint8_t* pipe = PipeIn(sets[0].block, kBulkOutPipeOffset);
  EXPECT_EQ(pipe[kPipeDirection], kHostToDevice);
  EXPECT_EQ(Get16(pipe + kPipeCount), 100);

  ASSERT_EQ(link.BulkOut(data.data() + 100, 4900), 4096);
  EXPECT_EQ(machine.bulkOut, std::vector<uint8_t>(data.begin(), data.begin() + 4196));
  EXPECT_EQ(machine.bulkOutPieces, (std::vector<size_t>{100, 4096}));
}

TEST_F(BulkTest, BulkOutTakesNothingWhileTheMachineIsNotReady) {
  machine.bulkOutReady = false;
  server.ServeOnce(machine, 0);  // the server publishes the bit on its next round
  uint8_t data[4] = {1, 2, 3, 4};
  EXPECT_EQ(link.BulkOut(data, 4), 0);
  EXPECT_TRUE(kernel.eventSets.empty());

  machine.bulkOutReady = true;
  server.ServeOnce(machine, 0);
  EXPECT_EQ(link.BulkOut(data, 4), 4);
  EXPECT_EQ(machine.bulkOut, std::vector<uint8_t>(data, data + 4));
}

TEST_F(BulkTest, BulkInTakesOnlyWhatWasAskedAndLeavesTheRestWithTheMachine) {
  machine.bulkInPieces = {Pattern(10), {}, Pattern(5000, 5)};
  uint8_t buffer[4096];
  std::memset(buffer, 0xEE, sizeof buffer);
  ASSERT_EQ(link.BulkIn(buffer, 4), 4);
  std::vector<uint8_t> first = Pattern(10);
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 4), std::vector<uint8_t>(first.begin(), first.begin() + 4));
  EXPECT_EQ(buffer[4], 0xEE);
  ASSERT_EQ(link.BulkIn(buffer, 4096), 6);  // the rest of the first piece was not lost
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 6), std::vector<uint8_t>(first.begin() + 4, first.end()));
  EXPECT_EQ(link.BulkIn(buffer, 4096), 0);  // nothing ready yet is not a failure

  std::vector<uint8_t> received(5000);
  ASSERT_EQ(link.BulkIn(received.data(), 2048), 2048);
  ASSERT_EQ(link.BulkIn(received.data() + 2048, 5000), 2952);
  EXPECT_EQ(received, Pattern(5000, 5));
  EXPECT_EQ(machine.bulkInAsked, (std::vector<size_t>{4, 4096, 4096, 2048, 4096}));

  std::vector<CFakeKernel::EventSet> sets = kernel.EventSetsNamed(kBulkInRequest);
  ASSERT_EQ(sets.size(), 5u);
  EXPECT_EQ(Get16(PipeIn(sets[0].block, kBulkInPipeOffset) + kPipeCount), 4);  // asked for 4
}

TEST_F(BulkTest, BulkTransfersFailWithoutAnAcknowledge) {
  server.SetFaults(NoAcknowledge());
  uint8_t buffer[8] = {};
  EXPECT_EQ(link.BulkOut(buffer, 8), -1);
  EXPECT_EQ(link.BulkIn(buffer, 8), -1);
  EXPECT_FALSE(link.SendFilePath("C:\\a.prn"));
  EXPECT_EQ(kernel.waitTimeouts, (std::vector<uint32_t>{500, 500, 500}));
  EXPECT_TRUE(machine.bulkOut.empty());
  EXPECT_TRUE(machine.files.empty());
}

TEST_F(BulkTest, SendFilePathWritesThePathAndItsTerminatorButNeverIntoThePipes) {
  ASSERT_TRUE(link.SendFilePath("C:\\users\\temp\\outputfile"));
  std::vector<CFakeKernel::EventSet> sets = kernel.EventSetsNamed(kOutputFileRequest);
  ASSERT_EQ(sets.size(), 1u);
  const char* field = reinterpret_cast<const char*>(sets[0].block.data() + kOutputFilePath);
  EXPECT_STREQ(field, "C:\\users\\temp\\outputfile");
  kernel.eventSets.clear();
  machine.files.clear();

  size_t room = Get16(Block() + kControlPipeOffset) - kOutputFilePath;
  std::vector<uint8_t> pipeBefore(PipeRecord(kControlPipeOffset), PipeRecord(kControlPipeOffset) + 16);
  std::memset(Block() + kOutputFilePath, 0, room);

  EXPECT_FALSE(link.SendFilePath(std::string(room, 'x')));
  EXPECT_EQ(Block()[kOutputFilePath], 0);
  EXPECT_TRUE(kernel.eventSets.empty());

  ASSERT_TRUE(link.SendFilePath(std::string(room - 1, 'y')));  // the terminator just fits
  EXPECT_EQ(Block()[kOutputFilePath + room - 1], 0);
  EXPECT_EQ(std::vector<uint8_t>(PipeRecord(kControlPipeOffset), PipeRecord(kControlPipeOffset) + 16), pipeBefore);
  ASSERT_EQ(machine.files.size(), 1u);
  EXPECT_EQ(machine.files[0], std::string(room - 1, 'y'));
}

}  // namespace
