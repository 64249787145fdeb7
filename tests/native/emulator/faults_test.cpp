#include "machine_host.h"

namespace {

using FaultsTest = EmulatorTest;

TEST_F(FaultsTest, ErrorOnNextCommandHitsExactlyOneCommandAndChangesNothing) {
  machine_.faults().errorOnNextCommand = true;
  EXPECT_FALSE(host_.Send(kCmdSetSerialNumber, {'X', 0}));
  EXPECT_FALSE(machine_.faults().errorOnNextCommand);
  EXPECT_EQ("HVX0001", host_.QueryText(kCmdGetSerialNumber));
  EXPECT_TRUE(host_.Send(kCmdStopMotion));
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
  EXPECT_EQ(512u, machine_.BulkIn(4096).size());
  EXPECT_TRUE(machine_.BulkIn(4096).empty());
  ASSERT_TRUE(host_.Send(kCmdSystemReport));
  Bytes report = host_.BulkUntilZero();
  ASSERT_FALSE(report.empty());
  EXPECT_NE(0, report.back());
}

TEST_F(FaultsTest, BusyOfflineAndJobBlockedShowInTheStateWord) {
  machine_.faults().busyForever = true;
  EXPECT_TRUE(host_.Send(kCmdSetValue020B, host_.Words32({1})));
  clock_.Sleep(60000);
  Status status = host_.ReadStatus();
  EXPECT_EQ(3u, status.state & 0x0F);
  EXPECT_TRUE(status.executing());
  machine_.faults().busyForever = false;

  machine_.faults().offline = true;
  EXPECT_EQ(5u, host_.ReadStatus().state & 0x0F);
  EXPECT_FALSE(host_.Send(kCmdMoveTo, host_.MoveRecord(100, 10, 0, 0)));
  machine_.faults().offline = false;

  machine_.faults().jobBlocked = true;
  EXPECT_EQ(0x42u, host_.ReadStatus().state);
}

}  // namespace
