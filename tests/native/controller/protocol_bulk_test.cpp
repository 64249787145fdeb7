// Report text, parameter areas and the 16-bit table: the exchanges longer than one reply.
#include "protocol_fixture.h"

namespace {

Bytes Pattern(size_t size) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 13 + (i >> 8));
  return bytes;
}

Bytes Word32(uint32_t value) {
  Bytes bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  return bytes;
}

std::vector<uint32_t> BulkReadLengths(const CScriptedTransport& transport) {
  std::vector<uint32_t> lengths;
  for (const auto& call : transport.Calls("bulkread")) lengths.push_back(call.length);
  return lengths;
}

TEST_F(ProtocolTest, ReportTextIsReadUntilAChunkEndsWithZero) {
  transport.Status(2, 0);
  transport.Chunk({'a', 0, 'b'});  // a zero inside a chunk does not end the text
  transport.Chunk({});
  transport.Chunk({'c', 0});
  std::vector<char> text;
  ASSERT_TRUE(protocol.ReadBulkText(0x02C0, text));
  EXPECT_EQ(text, (std::vector<char>{'a', 0, 'b', 'c', 0}));
  EXPECT_EQ(BulkReadLengths(transport), (std::vector<uint32_t>{2048, 2048, 2048}));
  const auto reads = transport.Calls("bulkread");
  EXPECT_EQ(reads[1].at, reads[0].at);
  EXPECT_EQ(reads[2].at - reads[1].at, 10u);  // an empty read is repeated 10 ms later
  EXPECT_EQ(transport.Calls("write")[0].value, 0x02C0);
  EXPECT_EQ(transport.depth, 0);
}

TEST_F(ProtocolTest, ReportTextFailsOnRefusalReadErrorOrTenSilentSeconds) {
  std::vector<char> text;
  transport.Status(2, kError);
  EXPECT_FALSE(protocol.ReadBulkText(0x02C0, text));
  EXPECT_TRUE(transport.Calls("bulkread").empty());

  transport.Status(2, 0);
  transport.Chunk({'a'});
  transport.FailChunk();
  EXPECT_FALSE(protocol.ReadBulkText(0x02C0, text));

  CScriptedTransport silent(clock);
  CProtocolUnderTest second(&silent, clock);
  silent.Status(2, 0);
  silent.Chunk({'x'});
  const uint32_t start = clock.now;
  EXPECT_FALSE(second.ReadBulkText(0x02C0, text));
  EXPECT_GT(clock.now - silent.Calls("bulkread")[0].at, 10000u);
  EXPECT_LT(clock.now - start, 10100u);
  EXPECT_EQ(silent.depth, 0);
}

TEST_F(ProtocolTest, AnEmptyAreaStillMakesTheFirstAndTheTrailingRead) {
  transport.Status(2, ReplySize(4));
  transport.Answer(0x0003, Word32(0));
  std::vector<uint8_t> area;
  ASSERT_TRUE(protocol.DumpArea(0, area));
  EXPECT_TRUE(area.empty());
  EXPECT_EQ(BulkReadLengths(transport), (std::vector<uint32_t>{0, 1}));
  const auto writes = transport.Calls("write");
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].value, 0x02E0);
  EXPECT_EQ(writes[1].value, 0x02E1);
}

TEST_F(ProtocolTest, AnAreaIsReadIn4KPiecesUntilItsSizeArrived) {
  protocol.SetSwap(true);
  transport.machineSwaps = true;
  transport.Status(2, ReplySize(4));
  transport.Answer(0x0003, Bytes{0x00, 0x00, 0x13, 0x88});  // 5000, machine order
  const Bytes data = Pattern(5000);
  transport.Chunk(Bytes(data.begin(), data.begin() + 3000));
  transport.Chunk({});
  transport.Chunk(Bytes(data.begin() + 3000, data.end()));
  transport.Chunk({0xEE});
  std::vector<uint8_t> area;
  ASSERT_TRUE(protocol.DumpArea(1, area));
  EXPECT_EQ(area, data);
  EXPECT_EQ(BulkReadLengths(transport), (std::vector<uint32_t>{4096, 2000, 2000, 1}));
  EXPECT_EQ(transport.Calls("write")[0].value, 0x02F0);
  EXPECT_EQ(transport.Calls("write")[1].value, 0x02F1);
  const auto reads = transport.Calls("bulkread");
  EXPECT_EQ(reads[2].at - reads[1].at, 1u);  // an empty read is repeated after a breath

  // The area's last byte arriving alone is still the area's, not the trailer.
  CScriptedTransport bytewise(clock);
  CProtocolUnderTest second(&bytewise, clock);
  bytewise.Status(2, ReplySize(4));
  bytewise.Answer(0x0003, Word32(2));
  for (uint8_t byte : {0x11, 0x22, 0xEE}) bytewise.Chunk({byte});
  std::vector<uint8_t> two;
  ASSERT_TRUE(second.DumpArea(0, two));
  EXPECT_EQ(two, (Bytes{0x11, 0x22}));
}

TEST_F(ProtocolTest, AreaReadsFailOnErrorsAndSilence) {
  transport.FailRead(0x0001);
  std::vector<uint8_t> area;
  EXPECT_FALSE(protocol.DumpArea(0, area));
  EXPECT_TRUE(transport.Calls("write", 0x02E1).empty());
  EXPECT_FALSE(protocol.DumpArea(2, area));

  CScriptedTransport broken(clock);
  CProtocolUnderTest second(&broken, clock);
  broken.Status(2, ReplySize(4));
  broken.Answer(0x0003, Word32(100));
  broken.Chunk(Bytes(10, 1));
  broken.FailChunk();
  EXPECT_FALSE(second.DumpArea(0, area));

  CScriptedTransport silent(clock);
  CProtocolUnderTest third(&silent, clock);
  silent.Status(2, ReplySize(4));
  silent.Answer(0x0003, Word32(100));
  clock.advancePerReading = 1;
  EXPECT_FALSE(third.DumpArea(0, area));
  EXPECT_EQ(silent.depth, 0);
}

// A machine that keeps sending, a byte at a time and never ten seconds apart, or without end,
// must not hold the lock (and the caller) for ever.
TEST_F(ProtocolTest, ReportTextEndsAfterAMinuteOrPast16MiB) {
  transport.Status(2, 0);
  for (int i = 0; i < 100; ++i) {
    for (int empty = 0; empty < 500; ++empty) transport.Chunk({});  // 5 s of nothing
    transport.Chunk({'x'});
  }
  std::vector<char> text;
  const uint32_t start = clock.now;
  EXPECT_FALSE(protocol.ReadBulkText(0x02C0, text));
  EXPECT_GT(clock.now - start, 60000u);
  EXPECT_LT(clock.now - start, 60100u);
  EXPECT_EQ(transport.depth, 0);

  CScriptedTransport endless(clock);
  CProtocolUnderTest second(&endless, clock);
  endless.Status(2, 0);
  const size_t chunks = 16 * 1024 * 1024 / 2048 + 1;
  for (size_t i = 0; i < chunks; ++i) endless.Chunk(Bytes(2048, 'y'));
  endless.Chunk({0});
  text.clear();
  EXPECT_FALSE(second.ReadBulkText(0x02C0, text));
  EXPECT_EQ(endless.Calls("bulkread").size(), chunks);  // stopped at the chunk past the cap
  EXPECT_LE(text.size(), 16u * 1024 * 1024);
}

TEST_F(ProtocolTest, AnAreaLargerThan16MiBIsNotRead) {
  transport.Status(2, ReplySize(4));
  transport.Answer(0x0003, Word32(16 * 1024 * 1024 + 1));
  std::vector<uint8_t> area;
  EXPECT_FALSE(protocol.DumpArea(0, area));
  EXPECT_TRUE(transport.Calls("write", 0x02E1).empty());
  EXPECT_TRUE(transport.Calls("bulkread").empty());
}

// Empty reads are spaced by a millisecond, and an area that keeps trickling in ends after a
// minute.
TEST_F(ProtocolTest, AnAreaPausesBetweenEmptyReadsAndEndsAfterAMinute) {
  transport.Status(2, ReplySize(4));
  transport.Answer(0x0003, Word32(100000));
  for (int i = 0; i < 100; ++i) {
    for (int empty = 0; empty < 2000; ++empty) transport.Chunk({});
    transport.Chunk({1});
  }
  clock.advancePerReading = 1;  // so that even reads without a pause take time
  std::vector<uint8_t> area;
  const uint32_t start = clock.now;
  EXPECT_FALSE(protocol.DumpArea(0, area));
  EXPECT_GT(clock.now - start, 60000u);
  EXPECT_LT(clock.now - start, 60100u);
  EXPECT_EQ(clock.sleeps.back(), 1u);
  EXPECT_EQ(transport.depth, 0);
}

TEST_F(ProtocolTest, UploadSendsNothingUnlessTheSourceHasTheAreasSize) {
  transport.Status(2, ReplySize(4));
  transport.Answer(0x0003, Word32(5000));
  const Bytes data = Pattern(9000);
  EXPECT_FALSE(protocol.UploadArea(data.data(), 4999));
  EXPECT_TRUE(transport.Calls("write", 0x02E2).empty());
  EXPECT_TRUE(transport.Calls("bulkwrite").empty());

  ASSERT_TRUE(protocol.UploadArea(data.data(), 5000));
  const auto writes = transport.Calls("bulkwrite");
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].length, 4096u);
  EXPECT_EQ(writes[1].length, 904u);
  Bytes sent = writes[0].data;
  sent.insert(sent.end(), writes[1].data.begin(), writes[1].data.end());
  EXPECT_EQ(sent, Bytes(data.begin(), data.begin() + 5000));

  CScriptedTransport failing(clock);
  CProtocolUnderTest second(&failing, clock);
  failing.Status(2, ReplySize(4));
  failing.Answer(0x0003, Word32(9000));
  failing.failBulkWriteNumber = 1;
  EXPECT_FALSE(second.UploadArea(data.data(), 9000));
  EXPECT_EQ(failing.Calls("bulkwrite").size(), 2u);
}

TEST_F(ProtocolTest, TheTableIsReadUpToTheSmallerOfItsSizeAndTheBuffer) {
  protocol.SetSwap(true);
  transport.machineSwaps = true;
  transport.Status(2, ReplySize(6));
  transport.Answer(0x0003, Bytes{0x00, 0x01, 0x00, 0x02, 0x00, 0x03});
  // A filler that reads differently byte-swapped, so a word the machine never sent shows if it
  // is converted all the same.
  uint16_t table[4] = {0xA55A, 0xA55A, 0xA55A, 0x1234};
  ASSERT_TRUE(protocol.ReadWordTable(table, 4));
  EXPECT_EQ(transport.Calls("read", 0x0003).back().length, 6u);
  EXPECT_EQ(table[0], 1);
  EXPECT_EQ(table[1], 2);
  EXPECT_EQ(table[2], 3);
  EXPECT_EQ(table[3], 0x1234);

  uint16_t two[2];
  ASSERT_TRUE(protocol.ReadWordTable(two, 2));
  EXPECT_EQ(transport.Calls("read", 0x0003).back().length, 4u);
  EXPECT_EQ(two[1], 2);
  EXPECT_EQ(transport.Calls("write", 0x02C1).size(), 2u);

  CScriptedTransport shortReply(clock);
  CProtocolUnderTest second(&shortReply, clock);
  shortReply.Status(2, ReplySize(6));
  shortReply.Answer(0x0003, Bytes{0x00, 0x01, 0x00, 0x02});  // two bytes short
  EXPECT_FALSE(second.ReadWordTable(table, 4));
}

TEST_F(ProtocolTest, TheTableIsWrittenUpToItsSizeThenCompleted) {
  protocol.SetSwap(true);
  transport.machineSwaps = true;
  transport.Status(2, ReplySize(6));
  const uint16_t data[5] = {0x0102, 0x0304, 0x0506, 0x0708, 0x090A};
  ASSERT_TRUE(protocol.WriteWordTable(data, 5));
  const auto writes = transport.Calls("write");
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0].value, 0x02C1);
  EXPECT_EQ(writes[0].data, Bytes{});  // the size request carries nothing
  EXPECT_EQ(writes[1].value, 0x02C2);
  EXPECT_EQ(writes[1].data, (Bytes{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(transport.Calls("read", 0x0003).empty());  // the size step reads no reply
  EXPECT_EQ(StatusReadDepths().back(), 1);                // completion outside the lock

  CScriptedTransport refusing(clock);
  CProtocolUnderTest second(&refusing, clock);
  refusing.Status(2, kError);  // no size: no table write
  EXPECT_FALSE(second.WriteWordTable(data, 1));
  EXPECT_TRUE(refusing.Calls("write", 0x02C2).empty());

  CScriptedTransport empty(clock);
  CProtocolUnderTest third(&empty, clock);
  empty.Status(2, ReplySize(1));  // a table of no whole word: written empty, not refused
  EXPECT_TRUE(third.WriteWordTable(data, 5));
  EXPECT_EQ(empty.Calls("write", 0x02C2).at(0).data, Bytes{});
  EXPECT_TRUE(protocol.WriteWordTable(data, 0));  // no words given: none written
  EXPECT_EQ(transport.Calls("write", 0x02C2).back().data, Bytes{});
}

}  // namespace
