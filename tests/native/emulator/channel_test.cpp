// The command channel as a host sees it: status words, acceptance, execution, replies, the
// protocol check and the byte order.
#include <gtest/gtest.h>

#include "machine_host.h"

namespace {

class ChannelTest : public ::testing::Test {
 protected:
  explicit ChannelTest(bool bigEndian = false)
      : machine_(clock_, Options(bigEndian)), host_(machine_, clock_) {}
  static MachineOptions Options(bool bigEndian) {
    MachineOptions options;
    options.bigEndian = bigEndian;
    return options;
  }
  CFakeClock clock_;
  CMachineModel machine_;
  CMachineHost host_;
};

TEST_F(ChannelTest, IdleMachineIsReadyWithCoverClosedAndNothingPending) {
  Status status = host_.ReadStatus();
  EXPECT_EQ(2u, status.state);
  EXPECT_EQ(0u, status.handshake);
  EXPECT_EQ(0x40u, host_.QueryWord(kCmdGetInputState));
}

TEST_F(ChannelTest, CommandIsPendingAtTheFirstPollAndAcceptedAtTheNext) {
  host_.Write(kCmdStopMotion);
  EXPECT_TRUE(host_.ReadStatus().pending());
  Status second = host_.ReadStatus();
  EXPECT_FALSE(second.pending());
  EXPECT_FALSE(second.error());
}

TEST_F(ChannelTest, CommandWithCompletionExecutesForAShortWhile) {
  host_.Write(kCmdSetValue020B, host_.Words32({7}));
  EXPECT_TRUE(host_.ReadStatus().executing());
  clock_.Sleep(kExecuteMs - 1);
  EXPECT_TRUE(host_.ReadStatus().executing());
  clock_.Sleep(1);
  EXPECT_FALSE(host_.ReadStatus().executing());
}

TEST_F(ChannelTest, CommandWithoutCompletionNeverShowsExecuting) {
  host_.Write(kCmdSetValue027D, host_.Words32({7}));
  EXPECT_FALSE(host_.ReadStatus().executing());
}

TEST_F(ChannelTest, QueryAnnouncesItsReplySizeAndReadingTheReplyClearsIt) {
  host_.Write(kCmdGetCurrentPosition);
  EXPECT_EQ(24u, host_.ReadStatus().replySize());
  EXPECT_EQ(24u, host_.Read(kCmdReply, 255).size());
  EXPECT_EQ(0u, host_.ReadStatus().replySize());
}

TEST_F(ChannelTest, ShorterReadTakesTheFirstBytesOfTheReply) {
  host_.Write(kCmdGetSerialNumber);
  Bytes part = host_.Read(kCmdReply, 3);
  EXPECT_EQ("HVX", std::string(part.begin(), part.end()));
}

TEST_F(ChannelTest, UnknownOrMalformedCommandsSetTheErrorBitUntilTheNextCommand) {
  host_.Write(0x0999);
  EXPECT_TRUE(host_.ReadStatus().error());
  EXPECT_TRUE(host_.ReadStatus().error());
  EXPECT_TRUE(host_.Send(kCmdStopMotion));

  EXPECT_FALSE(host_.Send(kCmdStopMotion, {0}));              // payload where none belongs
  EXPECT_FALSE(host_.Send(kCmdSetValue027D, {1, 2, 3}));      // one byte short
  EXPECT_FALSE(host_.Send(kCmdSetSerialNumber, {'A', 'B'}));  // text without its zero byte
  EXPECT_FALSE(host_.Send(kCmdStatus));                       // a read sent as a write
  host_.Read(0x0253, 24);                                     // a query read directly
  EXPECT_TRUE(host_.ReadStatus().error());
}

TEST_F(ChannelTest, ProtocolCheckGivesIdentifierOneAndTheMarkerLittleEndian) {
  EXPECT_EQ((Bytes{0x01, 0x00, 0x34, 0x12}), host_.Read(kCmdProtocolCheck, 4));
}

TEST_F(ChannelTest, DeviceIdCarriesItsLengthPrefixAndTheModel) {
  Bytes id = machine_.ControlIn(0xA1, 0, 0, 4092);
  ASSERT_GT(id.size(), 2u);
  EXPECT_EQ(id.size(), static_cast<size_t>(id[0] << 8 | id[1]));
  std::string text(id.begin() + 2, id.end());
  EXPECT_NE(std::string::npos, text.find("MDL:HVX-40;"));
}

TEST_F(ChannelTest, ControlInNeverAnswersMoreThanAsked) {
  EXPECT_EQ(4u, host_.Read(kCmdStatus, 4).size());
  EXPECT_EQ(10u, machine_.ControlIn(0xA1, 0, 0, 10).size());
}

TEST_F(ChannelTest, DirectReadsAnswerAtOnce) {
  EXPECT_EQ(56u, host_.Read(kCmdDeviceBlock, 56).size());
  EXPECT_EQ(8u, host_.Read(kCmdDeviceBlock, 8).size());
  EXPECT_EQ(8u, host_.Read(kCmdGetPair0248, 8).size());
  EXPECT_FALSE(host_.ReadStatus().error());
}

class BigEndianChannelTest : public ChannelTest {
 protected:
  BigEndianChannelTest() : ChannelTest(true) {}
};

TEST_F(BigEndianChannelTest, MarkerReadsSwappedButTheIdentifierStillReadsOne) {
  EXPECT_EQ((Bytes{0x01, 0x00, 0x12, 0x34}), host_.Read(kCmdProtocolCheck, 4));
}

TEST_F(BigEndianChannelTest, StatusAndValuesTravelBigEndian) {
  Bytes raw = host_.Read(kCmdStatus, 8);
  EXPECT_EQ((Bytes{0, 0, 0, 2, 0, 0, 0, 0}), raw);
  EXPECT_EQ((Bytes{0, 0, 0, 0x40}), host_.Query(kCmdGetInputState));
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(100, 0x0102, 0, 0)));
  clock_.Sleep(1000);
  Bytes position = host_.Query(kCmdGetCurrentPosition);
  EXPECT_EQ((Bytes{0, 0, 0x01, 0x02}), Bytes(position.begin(), position.begin() + 4));
}

}  // namespace
