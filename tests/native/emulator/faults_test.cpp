// The fault switches: what a host sees of each.
#include <gtest/gtest.h>

#include "machine_host.h"

namespace {

class FaultsTest : public ::testing::Test {
 protected:
  FaultsTest() : machine_(clock_, MachineOptions()), host_(machine_, clock_) {}
  CFakeClock clock_;
  CMachineModel machine_;
  CMachineHost host_;
};

TEST_F(FaultsTest, ErrorOnNextCommandHitsExactlyOneCommand) {
  machine_.faults().errorOnNextCommand = true;
  EXPECT_FALSE(host_.Send(kCmdStopMotion));
  EXPECT_FALSE(machine_.faults().errorOnNextCommand);
  EXPECT_TRUE(host_.Send(kCmdStopMotion));
}

TEST_F(FaultsTest, ErrorOnNextCommandLeavesTheMachineUnchanged) {
  machine_.faults().errorOnNextCommand = true;
  EXPECT_FALSE(host_.Send(kCmdSetSerialNumber, {'X', 0}));
  EXPECT_EQ("HVX0001", host_.QueryText(kCmdGetSerialNumber));
}

TEST_F(FaultsTest, ShortRepliesComeOneByteShort) {
  machine_.faults().shortReplies = true;
  EXPECT_EQ(23u, host_.Query(kCmdGetCurrentPosition).size());
  EXPECT_EQ(3u, host_.Query(kCmdGetInputState).size());
  EXPECT_EQ(0u, host_.Query(kCmdGetSpindleOverride).size());  // no reply at all
  EXPECT_EQ(55u, host_.Read(kCmdDeviceBlock, 56).size());
  EXPECT_EQ(8u, host_.Read(kCmdStatus, 8).size());  // the status itself stays whole
}

TEST_F(FaultsTest, StoppedBulkStreamDeliversHalfAndThenNothing) {
  machine_.faults().bulkStops = true;
  ASSERT_TRUE(host_.Send(kCmdArea1Read));
  Bytes first = machine_.BulkIn(4096);
  EXPECT_EQ(512u, first.size());
  EXPECT_TRUE(machine_.BulkIn(4096).empty());
  ASSERT_TRUE(host_.Send(kCmdSystemReport));
  Bytes report = host_.BulkUntilZero();
  ASSERT_FALSE(report.empty());
  EXPECT_NE(0, report.back());
}

TEST_F(FaultsTest, BusyForeverKeepsStateThreeAndTheExecutingBit) {
  machine_.faults().busyForever = true;
  EXPECT_TRUE(host_.Send(kCmdSetValue020B, host_.Words32({1})));
  clock_.Sleep(60000);
  Status status = host_.ReadStatus();
  EXPECT_EQ(3u, status.state & 0x0F);
  EXPECT_TRUE(status.executing());
}

TEST_F(FaultsTest, OfflineShowsStateFiveAndRefusesMotion) {
  machine_.faults().offline = true;
  EXPECT_EQ(5u, host_.ReadStatus().state & 0x0F);
  EXPECT_FALSE(host_.Send(kCmdMoveTo, host_.MoveRecord(100, 10, 0, 0)));
}

TEST_F(FaultsTest, JobBlockedSetsBitSixBesideTheReadyState) {
  machine_.faults().jobBlocked = true;
  EXPECT_EQ(0x42u, host_.ReadStatus().state);
}

}  // namespace
