// The status waits: their polling rhythm, their limits and what ends them.
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
  // Each poll takes the lock itself.
  EXPECT_EQ(transport.Calls("lock").size(), 3u);
  EXPECT_EQ(transport.Calls("lock")[0].length, 10000u);
  EXPECT_EQ(transport.depth, 0);
}

TEST_F(ProtocolTest, AcceptanceWaitGivesUpAfterTenSeconds) {
  transport.Status(2, kPending);
  EXPECT_FALSE(protocol.WaitAccepted());
  const std::vector<uint32_t> times = ReadTimes(transport);
  EXPECT_EQ(times.back() - 1000, 9995u);  // the last read lies just inside the limit
  EXPECT_EQ(times.size(), 1000u);
  EXPECT_EQ(clock.now - 1000, 10005u);
}

TEST_F(ProtocolTest, TheErrorBitEndsEveryWaitAtOnce) {
  transport.Status(2, kPending | kError);
  EXPECT_FALSE(protocol.WaitAccepted());
  EXPECT_EQ(ReadTimes(transport).size(), 1u);

  transport.Status(2, kExecuting | kError);
  EXPECT_FALSE(protocol.WaitCompleted());
  EXPECT_EQ(ReadTimes(transport).size(), 2u);

  transport.Status(2, ReplySize(4) | kError);
  EXPECT_EQ(protocol.WaitReply(), -1);
  EXPECT_EQ(ReadTimes(transport).size(), 3u);
}

TEST_F(ProtocolTest, AMissingStatusEndsTheAcceptanceAndCompletionWaits) {
  transport.FailRead(0x0001);
  EXPECT_FALSE(protocol.WaitAccepted());
  EXPECT_FALSE(protocol.WaitCompleted());
  EXPECT_EQ(ReadTimes(transport).size(), 2u);
  const MachineStatus status = protocol.ReadStatus();
  EXPECT_EQ(status.stateWord, 0xFFFFFFFFu);
  EXPECT_EQ(status.handshakeWord, 0xFFFFFFFFu);
}

TEST_F(ProtocolTest, AStatusOfTheWrongSizeIsMissing) {
  transport.Answer(0x0001, {1, 2, 3, 4, 5, 6, 7});
  const MachineStatus status = protocol.ReadStatus();
  EXPECT_EQ(status.stateWord, 0xFFFFFFFFu);
  EXPECT_EQ(status.handshakeWord, 0xFFFFFFFFu);
}

TEST_F(ProtocolTest, CompletionWaitSucceedsAfter5MsWhenNothingExecutes) {
  transport.Status(2, kPending);  // the pending bit does not concern completion
  EXPECT_TRUE(protocol.WaitCompleted());
  EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{5});
  EXPECT_EQ(clock.now - 1000, 5u);
}

TEST_F(ProtocolTest, CompletionWaitGivesUpAfterThreeSeconds) {
  transport.Status(3, kExecuting);
  EXPECT_FALSE(protocol.WaitCompleted());
  EXPECT_EQ(ReadTimes(transport).size(), 300u);
  EXPECT_EQ(ReadTimes(transport).back() - 1000, 2995u);
}

TEST_F(ProtocolTest, ReplyWaitGivesTheSizeAndReadsUnderTheCallersLock) {
  transport.Status(2, 0);
  transport.Status(2, ReplySize(12) | 0x00FF0000);
  EXPECT_EQ(protocol.WaitReply(), 12);
  EXPECT_TRUE(transport.Calls("lock").empty());
  EXPECT_EQ(ReadTimes(transport).size(), 2u);
}

TEST_F(ProtocolTest, ReplyWaitGivesUpAfterThreeSeconds) {
  transport.Status(2, 0);
  EXPECT_EQ(protocol.WaitReply(), -1);
  EXPECT_EQ(ReadTimes(transport).size(), 300u);
}

TEST_F(ProtocolTest, ATickCounterWrapDoesNotEndAWaitEarly) {
  clock.now = 0xFFFFFF00u;
  transport.Status(2, kPending);
  EXPECT_FALSE(protocol.WaitAccepted());
  EXPECT_EQ(ReadTimes(transport).size(), 1000u);
  EXPECT_EQ(clock.now - 0xFFFFFF00u, 10005u);
}

TEST_F(ProtocolTest, AWaitAcrossTheWrapStillSucceeds) {
  clock.now = 0xFFFFFFFAu;
  transport.Status(2, kPending);
  transport.Status(2, kPending);
  transport.Status(2, 0);
  EXPECT_TRUE(protocol.WaitAccepted());
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
