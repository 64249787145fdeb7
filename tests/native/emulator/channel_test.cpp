#include "machine_host.h"

namespace {

using ChannelTest = EmulatorTest;

TEST_F(ChannelTest, StatusShowsPendingExecutingAndTheReplySize) {
  EXPECT_EQ(2u, host_.ReadStatus().state);
  EXPECT_EQ(0u, host_.ReadStatus().handshake);
  EXPECT_EQ(0x40u, host_.QueryWord(kCmdGetInputState));

  host_.Write(kCmdStopMotion);
  EXPECT_TRUE(host_.ReadStatus().pending());  // accepted at the second poll
  Status second = host_.ReadStatus();
  EXPECT_FALSE(second.pending());
  EXPECT_FALSE(second.error());

  host_.Write(kCmdSetValue020B, host_.Words32({7}));
  EXPECT_TRUE(host_.ReadStatus().executing());
  clock_.Sleep(kExecuteMs - 1);
  EXPECT_TRUE(host_.ReadStatus().executing());
  clock_.Sleep(1);
  EXPECT_FALSE(host_.ReadStatus().executing());
  host_.Write(kCmdSetValue027D, host_.Words32({7}));  // no completion
  EXPECT_FALSE(host_.ReadStatus().executing());

  host_.Write(kCmdGetCurrentPosition);
  EXPECT_EQ(24u, host_.ReadStatus().replySize());
  EXPECT_EQ(24u, host_.Read(kCmdReply, 255).size());
  EXPECT_EQ(0u, host_.ReadStatus().replySize());
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

TEST_F(ChannelTest, DirectReadsAnswerAtOnceAndNeverMoreThanAsked) {
  EXPECT_EQ((Bytes{0x01, 0x00, 0x34, 0x12}), host_.Read(kCmdProtocolCheck, 4));
  Bytes id = machine_.ControlIn(0xA1, 0, 0, 4092);
  ASSERT_GT(id.size(), 2u);
  EXPECT_EQ(id.size(), static_cast<size_t>(id[0] << 8 | id[1]));
  EXPECT_NE(std::string::npos, std::string(id.begin() + 2, id.end()).find("MDL:HVX-40;"));
  EXPECT_EQ(10u, machine_.ControlIn(0xA1, 0, 0, 10).size());
  EXPECT_EQ(4u, host_.Read(kCmdStatus, 4).size());
  EXPECT_EQ(56u, host_.Read(kCmdDeviceBlock, 56).size());
  EXPECT_EQ(8u, host_.Read(kCmdDeviceBlock, 8).size());
  EXPECT_EQ(8u, host_.Read(kCmdGetPair0248, 8).size());
  EXPECT_FALSE(host_.ReadStatus().error());
}

class BigEndianChannelTest : public EmulatorTest {
 protected:
  BigEndianChannelTest() : EmulatorTest(Options()) {}
  static MachineOptions Options() {
    MachineOptions options;
    options.bigEndian = true;
    return options;
  }
};

TEST_F(BigEndianChannelTest, MarkerStatusAndValuesTravelBigEndianButTheIdentifierReadsOne) {
  EXPECT_EQ((Bytes{0x01, 0x00, 0x12, 0x34}), host_.Read(kCmdProtocolCheck, 4));
  EXPECT_EQ((Bytes{0, 0, 0, 2, 0, 0, 0, 0}), host_.Read(kCmdStatus, 8));
  EXPECT_EQ((Bytes{0, 0, 0, 0x40}), host_.Query(kCmdGetInputState));
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(100, 0x0102, 0, 0)));
  clock_.Sleep(1000);
  Bytes position = host_.Query(kCmdGetCurrentPosition);
  EXPECT_EQ((Bytes{0, 0, 0x01, 0x02}), Bytes(position.begin(), position.begin() + 4));
}

}  // namespace
