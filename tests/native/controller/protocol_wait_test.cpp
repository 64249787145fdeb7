// The status waits: polling rhythm, limits and what ends them.
#include "protocol_fixture.h"

namespace {

std::vector<uint32_t> ReadTimes(const CScriptedTransport& transport) {
  std::vector<uint32_t> times;
  for (const auto& call : transport.Calls("read", 0x0001)) times.push_back(call.at);
  return times;
}

TEST_F(ProtocolTest, AcceptanceWaitPollsAfter5MsThenEvery10Ms) {
  transport.Status(2, kPending);
  transport.Status(2, kPending);
  transport.Status(2, 0);
  EXPECT_TRUE(protocol.WaitAccepted());
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{5, 10, 10}));
  EXPECT_EQ(ReadTimes(transport), (std::vector<uint32_t>{1005, 1015, 1025}));
  EXPECT_EQ(transport.Calls("lock").size(), 3u);  // each poll takes the lock itself
  EXPECT_EQ(transport.Calls("lock")[0].length, 10000u);
  EXPECT_EQ(transport.depth, 0);
}

TEST_F(ProtocolTest, AcceptanceWaitGivesUpAfterTenSeconds) {
  transport.Status(2, kPending);
  EXPECT_FALSE(protocol.WaitAccepted());
  const std::vector<uint32_t> times = ReadTimes(transport);
  EXPECT_EQ(times.back() - 1000, 9995u);
  EXPECT_EQ(times.size(), 1000u);
  EXPECT_EQ(clock.now - 1000, 10005u);
}

TEST_F(ProtocolTest, CompletionAndReplyWaitsGiveUpAfterThreeSeconds) {
  transport.Status(3, kExecuting);
  EXPECT_FALSE(protocol.WaitCompleted());
  EXPECT_EQ(ReadTimes(transport).size(), 300u);
  EXPECT_EQ(ReadTimes(transport).back() - 1000, 2995u);
  transport.Status(2, 0);
  EXPECT_EQ(protocol.WaitReply(), -1);
  EXPECT_EQ(ReadTimes(transport).size(), 600u);
}

TEST_F(ProtocolTest, TheErrorBitEndsEveryWaitAtOnce) {
  transport.Status(2, kPending | kError);
  EXPECT_FALSE(protocol.WaitAccepted());
  transport.Status(2, kExecuting | kError);
  EXPECT_FALSE(protocol.WaitCompleted());
  transport.Status(2, ReplySize(4) | kError);
  EXPECT_EQ(protocol.WaitReply(), -1);
  EXPECT_EQ(ReadTimes(transport).size(), 3u);
  uint8_t reply[4];
  EXPECT_EQ(protocol.ReadReply(reply, 4), -1) << "a failed reply read as an empty one";
}

TEST_F(ProtocolTest, AMissingOrShortStatusEndsTheWaits) {
  transport.FailRead(0x0001);
  EXPECT_FALSE(protocol.WaitAccepted());
  EXPECT_FALSE(protocol.WaitCompleted());
  EXPECT_EQ(ReadTimes(transport).size(), 2u);
  EXPECT_EQ(protocol.ReadStatus().handshakeWord, 0xFFFFFFFFu);
  transport.Answer(0x0001, {1, 2, 3, 4, 5, 6, 7});
  const MachineStatus status = protocol.ReadStatus();
  EXPECT_EQ(status.stateWord, 0xFFFFFFFFu);
  EXPECT_EQ(status.handshakeWord, 0xFFFFFFFFu);
}

TEST_F(ProtocolTest, CompletionWaitSucceedsAfter5MsWhenNothingExecutes) {
  transport.Status(2, kPending);  // pending does not concern completion
  EXPECT_TRUE(protocol.WaitCompleted());
  EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{5});
}

TEST_F(ProtocolTest, ReplyWaitGivesTheSizeAndReadsUnderTheCallersLock) {
  transport.Status(2, 0);
  transport.Status(2, ReplySize(12) | 0x00FF0000);
  EXPECT_EQ(protocol.WaitReply(), 12);
  EXPECT_TRUE(transport.Calls("lock").empty());
  EXPECT_EQ(ReadTimes(transport).size(), 2u);
}

TEST_F(ProtocolTest, ATickCounterWrapNeitherEndsNorBreaksAWait) {
  clock.now = 0xFFFFFF00u;
  transport.Status(2, kPending);
  EXPECT_FALSE(protocol.WaitAccepted());
  EXPECT_EQ(ReadTimes(transport).size(), 1000u);
  EXPECT_EQ(clock.now - 0xFFFFFF00u, 10005u);

  CScriptedTransport other(clock);
  CProtocolUnderTest second(&other, clock);
  clock.now = 0xFFFFFFFAu;
  clock.sleeps.clear();
  other.Status(2, kPending);
  other.Status(2, kPending);
  other.Status(2, 0);
  EXPECT_TRUE(second.WaitAccepted());
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{5, 10, 10}));
}

TEST_F(ProtocolTest, StatusWordsFollowTheMachinesByteOrder) {
  protocol.SetSwap(true);
  transport.Answer(0x0001, {0x80, 0x00, 0x00, 0x02, 0x0C, 0x00, 0x00, 0x40});
  const MachineStatus status = protocol.ReadStatus();
  EXPECT_EQ(status.stateWord, 0x80000002u);
  EXPECT_EQ(status.handshakeWord, 0x0C000040u);
}

}  // namespace
