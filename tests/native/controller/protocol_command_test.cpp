// Commands and queries: what goes to the machine, under which lock, and how replies are taken.
#include "command_shapes.h"
#include "protocol_fixture.h"

namespace {

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST_F(ProtocolTest, AQuerySendsItsCodeUnderOneLockAndReadsNoMoreThanAsked) {
  transport.Status(2, ReplySize(12));
  transport.Answer(0x0003, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  uint8_t buffer[16] = {};
  EXPECT_TRUE(protocol.QueryExact(0x0327, buffer, 8));
  EXPECT_EQ(transport.Calls("read", 0x0003).back().length, 8u);
  EXPECT_EQ(buffer[7], 8);
  EXPECT_EQ(buffer[8], 0);
  const auto writes = transport.Calls("write");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].value, 0x0327);
  EXPECT_EQ(writes[0].length, 0u);
  EXPECT_EQ(transport.calls.front().op, "lock");
  EXPECT_EQ(transport.calls.back().op, "unlock");
  EXPECT_EQ(transport.Calls("lock").size(), 1u);

  EXPECT_FALSE(protocol.QueryExact(0x0327, buffer, 16));  // a shorter reply than asked
  EXPECT_EQ(transport.Calls("read", 0x0003).back().length, 12u);
  EXPECT_EQ(transport.depth, 0);
}

TEST_F(ProtocolTest, RepliesAreConvertedToTheHostsOrder) {
  protocol.SetSwap(true);
  transport.machineSwaps = true;
  transport.Status(2, ReplySize(4));
  transport.Answer(0x0003, Bytes{0x00, 0x01, 0x02, 0x03});
  uint32_t word = 0;
  ASSERT_TRUE(protocol.QueryWords32(0x0205, &word, 1));
  EXPECT_EQ(word, 0x00010203u);
  uint16_t halves[2] = {};
  ASSERT_TRUE(protocol.QueryWords16(0x02C3, halves, 2));
  EXPECT_EQ(halves[0], 0x0001);
  EXPECT_EQ(halves[1], 0x0203);
}

TEST_F(ProtocolTest, AFailedWriteIsNeitherReadNorWaitedFor) {
  transport.writeFails = true;
  uint8_t buffer[4];
  EXPECT_EQ(protocol.Query(0x0205, buffer, 4), -1);
  EXPECT_FALSE(protocol.SendCommand(0x0273, nullptr, 0));
  EXPECT_TRUE(transport.Calls("read").empty());
}

TEST_F(ProtocolTest, StringsEndAtTheirTerminatorOrTheReply) {
  std::string text;
  transport.Status(2, ReplySize(9));
  transport.Answer(0x0003, Text(std::string("V1.20\0zz", 9)));
  ASSERT_TRUE(protocol.QueryString(0x0200, text));
  EXPECT_EQ(text, "V1.20");

  CScriptedTransport other(clock);
  CProtocolUnderTest second(&other, clock);
  other.Status(2, ReplySize(3));
  other.Answer(0x0003, Text("AB7"));
  ASSERT_TRUE(second.QueryString(0x0202, text));
  EXPECT_EQ(text, "AB7");
}

TEST_F(ProtocolTest, IndexedStringsCoverIndexes0To254Only) {
  std::string text;
  EXPECT_FALSE(protocol.QueryIndexedString(255, text));
  EXPECT_FALSE(protocol.QueryIndexedString(-1, text));
  EXPECT_TRUE(transport.calls.empty());

  transport.Status(2, ReplySize(2));
  transport.Answer(0x0003, Text(std::string("1\0", 2)));
  ASSERT_TRUE(protocol.QueryIndexedString(0, text));
  ASSERT_TRUE(protocol.QueryIndexedString(254, text));
  EXPECT_EQ(transport.Calls("write")[0].value, 0x0101);
  EXPECT_EQ(transport.Calls("write")[1].value, 0x01FF);
}

TEST_F(ProtocolTest, ACommandIsWrittenThenAcceptedInsideItsLock) {
  transport.Status(2, kPending);
  transport.Status(2, 0);
  const uint8_t payload[] = {0xFF, 0x00};
  EXPECT_TRUE(protocol.SendCommand(0x0231, payload, 2));
  const auto writes = transport.Calls("write");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].value, 0x0231);
  EXPECT_EQ(writes[0].data, (Bytes{0xFF, 0x00}));
  EXPECT_EQ(StatusReadDepths(), (std::vector<int>{2, 2}));
  EXPECT_EQ(transport.depth, 0);
}

TEST_F(ProtocolTest, WordsAndStringsAreSentInTheMachinesOrder) {
  transport.Status(2, 0);
  protocol.SetSwap(true);
  const uint32_t words[2] = {0x01020304, 0x0A0B0C0D};
  ASSERT_TRUE(protocol.SendWords32(0x0206, words, 2));
  EXPECT_EQ(transport.Calls("write").back().data, (Bytes{1, 2, 3, 4, 0x0A, 0x0B, 0x0C, 0x0D}));
  const uint16_t halves[3] = {0x0102, 0x0304, 0x0506};
  ASSERT_TRUE(protocol.SendWords16(0x3501, halves, 3));
  EXPECT_EQ(transport.Calls("write").back().data, (Bytes{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(words[0], 0x01020304u);  // the caller's data stays as it was

  protocol.SetSwap(false);
  ASSERT_TRUE(protocol.SendWords32(0x0206, words, 1));
  EXPECT_EQ(transport.Calls("write").back().data, (Bytes{4, 3, 2, 1}));
  ASSERT_TRUE(protocol.SendString(0x0201, "SN42"));
  EXPECT_EQ(transport.Calls("write").back().data, (Bytes{'S', 'N', '4', '2', 0}));
}

TEST_F(ProtocolTest, CompletionIsAwaitedAfterTheCommandsLockIsReleased) {
  transport.Status(2, 0);
  transport.Status(2, kExecuting);
  transport.Status(2, 0);
  EXPECT_TRUE(shapes::Command(protocol, 0x029C, shapes::Until::Completed));
  EXPECT_EQ(StatusReadDepths(), (std::vector<int>{2, 1, 1}));

  CScriptedTransport other(clock);
  CProtocolUnderTest second(&other, clock);
  other.Status(2, 0);
  other.Status(2, kExecuting | kError);
  EXPECT_FALSE(shapes::Command(second, 0x029C, shapes::Until::Completed));
}

TEST_F(ProtocolTest, DirectWritesNeitherLockNorWait) {
  const uint32_t zero = 0;
  EXPECT_TRUE(protocol.DirectWriteWords32(0x0279, &zero, 1));
  ASSERT_EQ(transport.calls.size(), 1u);
  EXPECT_EQ(transport.calls[0].data, (Bytes{0, 0, 0, 0}));
  // A control transfer carries at most 0xFFFF bytes: that many go, one more is refused unsent.
  const Bytes big(0x10000, 0x5A);
  EXPECT_TRUE(protocol.DirectWrite(0x0279, big.data(), 0xFFFF));
  EXPECT_FALSE(protocol.DirectWrite(0x0279, big.data(), 0x10000));
  EXPECT_EQ(transport.calls.size(), 2u);
}

TEST_F(ProtocolTest, ALockThatCannotBeTakenMeansNoIo) {
  transport.lockSucceeds = false;
  uint8_t buffer[16];
  std::string text;
  std::vector<char> report;
  std::vector<uint8_t> area;
  uint16_t table[4];
  EXPECT_FALSE(protocol.SendCommand(0x0273, nullptr, 0));
  EXPECT_EQ(protocol.Query(0x0205, buffer, 4), -1);
  EXPECT_FALSE(protocol.QueryString(0x0200, text));
  EXPECT_EQ(protocol.DirectRead(0x0248, buffer, 8), -1);
  EXPECT_EQ(protocol.ReadStatus().stateWord, 0xFFFFFFFFu);
  EXPECT_FALSE(protocol.ReadBulkText(0x02C0, report));
  EXPECT_FALSE(protocol.DumpArea(0, area));
  EXPECT_FALSE(protocol.UploadArea(buffer, 16));
  EXPECT_FALSE(protocol.ReadWordTable(table, 4));
  EXPECT_FALSE(protocol.WriteWordTable(table, 4));
  EXPECT_EQ(protocol.ReadDeviceBlock(buffer, 16), -1);
  EXPECT_EQ(transport.Transfers(), 0u);
  EXPECT_TRUE(transport.Calls("unlock").empty());
}

TEST_F(ProtocolTest, TheDeviceBlockConvertsOnlyItsFirstTwoWords) {
  protocol.SetSwap(true);
  Bytes block(56);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i);
  transport.Answer(0x0100, block);
  uint8_t buffer[56];
  ASSERT_EQ(protocol.ReadDeviceBlock(buffer, 56), 56);
  EXPECT_EQ(Bytes(buffer, buffer + 10), (Bytes{3, 2, 1, 0, 7, 6, 5, 4, 8, 9}));

  CScriptedTransport other(clock);
  CProtocolUnderTest second(&other, clock);
  second.SetSwap(true);
  other.Answer(0x0100, Bytes{0, 1, 2, 3, 4, 5});  // too short to convert
  ASSERT_EQ(second.ReadDeviceBlock(buffer, 56), 6);
  EXPECT_EQ(Bytes(buffer, buffer + 6), (Bytes{0, 1, 2, 3, 4, 5}));
}

TEST_F(ProtocolTest, TheScratchGrowsInKilobyteStepsAndPayloadsArriveWhole) {
  EXPECT_TRUE(protocol.Grow(1));
  EXPECT_EQ(protocol.scratchCapacity(), 1024);
  EXPECT_TRUE(protocol.Grow(1024));
  EXPECT_EQ(protocol.scratchCapacity(), 2048);
  transport.Status(2, 0);
  std::vector<uint32_t> words(1500);
  for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<uint32_t>(i * 2654435761u);
  ASSERT_TRUE(protocol.SendWords32(0x3107, words.data(), 1500));
  const Bytes sent = transport.Calls("write").back().data;
  ASSERT_EQ(sent.size(), 6000u);
  EXPECT_EQ(std::memcmp(sent.data(), words.data(), 6000), 0);
  EXPECT_EQ(protocol.scratchCapacity(), 6144);
}

}  // namespace
