#include "machine_host.h"

namespace {

class BulkTest : public EmulatorTest {
 protected:
  explicit BulkTest(size_t reportSize = 0) : EmulatorTest(Options(reportSize)) {}
  static MachineOptions Options(size_t reportSize) {
    MachineOptions options;
    options.reportSize = reportSize;
    return options;
  }
  // 4096-byte reads until size bytes have come.
  Bytes Dump(uint16_t readCode, size_t size) {
    EXPECT_TRUE(host_.Send(readCode));
    Bytes all;
    while (all.size() < size) {
      Bytes chunk = machine_.BulkIn(std::min<size_t>(4096, size - all.size()));
      if (chunk.empty()) break;
      all.insert(all.end(), chunk.begin(), chunk.end());
    }
    return all;
  }
};

TEST_F(BulkTest, ReportIsTextWithTheSerialNumberEndingInOneZeroByte) {
  ASSERT_TRUE(host_.Send(kCmdSystemReport));
  Bytes report = host_.BulkUntilZero();
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(0, report.back());
  std::string text(report.begin(), report.end() - 1);
  EXPECT_EQ(std::string::npos, text.find('\0'));
  EXPECT_NE(std::string::npos, text.find("Serial Number: HVX0001\r\n"));
  EXPECT_NE(std::string::npos, text.find("Firmware Version: 0102\r\n"));
  EXPECT_TRUE(machine_.BulkIn(2048).empty());
}

class LongReportTest : public BulkTest {
 protected:
  LongReportTest() : BulkTest(1 << 20) {}
};

TEST_F(LongReportTest, ReportHasExactlyTheSizeAskedFor) {
  ASSERT_TRUE(host_.Send(kCmdSystemReport));
  Bytes report = host_.BulkUntilZero();
  ASSERT_EQ((1u << 20) + 1, report.size());
  EXPECT_EQ(std::string::npos, std::string(report.begin(), report.end() - 1).find('\0'));
}

TEST_F(BulkTest, AreasDumpUploadAndClearByteForByte) {
  ASSERT_EQ(2048u, host_.QueryWord(kCmdArea0Size));
  ASSERT_EQ(1024u, host_.QueryWord(kCmdArea1Size));
  EXPECT_EQ(machine_.store().area(0), Dump(kCmdArea0Read, 2048));
  EXPECT_EQ(machine_.store().area(1), Dump(kCmdArea1Read, 1024));
  EXPECT_NE(machine_.store().area(0), Bytes(2048, machine_.store().area(0)[0]));
  EXPECT_TRUE(machine_.BulkIn(1).empty());

  const uint8_t raw[] = {1, 2, 3};  // outside an upload: the area stays
  machine_.BulkOut(raw, sizeof raw);
  EXPECT_EQ(machine_.store().area(0), Dump(kCmdArea0Read, 2048));
  EXPECT_EQ(3u, machine_.rawBulkBytes());

  Bytes image(2048);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 13 + 1);
  ASSERT_TRUE(host_.Send(kCmdArea0Write));
  for (size_t at = 0; at < image.size(); at += 1000)
    machine_.BulkOut(image.data() + at, std::min<size_t>(1000, image.size() - at));
  EXPECT_EQ(image, Dump(kCmdArea0Read, 2048));
  ASSERT_TRUE(host_.Send(kCmdClearAllParameters));
  EXPECT_EQ(Bytes(2048, 0), Dump(kCmdArea0Read, 2048));
}

TEST_F(BulkTest, WordTableReadsAndWritesInTheMachinesOrder) {
  Bytes table = host_.Query(kCmdReadWordTable);
  ASSERT_EQ(128u, table.size());
  EXPECT_EQ(100u, host_.order().Get16(table, 2));
  Bytes words;
  for (uint16_t word : {0xA1B2, 0x0001}) host_.order().Put16(words, word);
  ASSERT_TRUE(host_.Send(kCmdWriteWordTable, words));
  table = host_.Query(kCmdReadWordTable);
  EXPECT_EQ(0xA1B2u, host_.order().Get16(table, 0));
  EXPECT_EQ(0x0001u, host_.order().Get16(table, 2));
  EXPECT_EQ(200u, host_.order().Get16(table, 4));
  EXPECT_FALSE(host_.Send(kCmdWriteWordTable, Bytes(130, 0)));  // longer than the table
  EXPECT_FALSE(host_.Send(kCmdWriteWordTable, Bytes(3, 0)));    // half a word
}

}  // namespace
