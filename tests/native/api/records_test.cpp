// The records with their own rules: the compensation scale, the device block read directly,
// the pair read directly.
#include <climits>
#include <cstring>

#include "machine_records.h"
#include "table_fixture.h"

namespace {

using namespace machine;

TEST(MulDivTest, RoundsHalvesAwayFromZeroKeepsTheFullProductAndFlagsFailures) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 1, 3), 2);
  EXPECT_EQ(MulDiv(8, 1, 3), 3);
  EXPECT_EQ(MulDiv(8, 1, -3), -3);
  EXPECT_EQ(MulDiv(2000000, 1000000, 1000000), 2000000);  // the product overflows 32 bits
  EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
  EXPECT_EQ(MulDiv(INT_MIN, 2, 1), -1);
}

TEST(CompensationTest, ReadsAScaleOtherThanAMillionByRounding) {
  // 1000001 / 999999 is 2 ppm once rounded; 2 / 1 and 3 / 1 are twice and three times the length.
  const Compensation ppm = CompensationFromRecord({1000001, 2, 3, 999999, 1, 1});
  EXPECT_EQ(ppm.x, 2);
  EXPECT_EQ(ppm.y, 1000000);
  EXPECT_EQ(ppm.z, 2000000);
}

class DeviceRecordTest : public TableTest {
 protected:
  // A whole block as the machine sends it: words 0, 1, six words, a word, a half word, then
  // 18 raw bytes.
  Fields WholeBlock() {
    Fields fields = Words({0x01020304, 0x05060708, 1, 2, 3, 4, 5, 6, 0x0A0B0C0D});
    fields.push_back({2, 0x0E0F});
    for (int i = 0; i < 18; ++i) fields.push_back({1, static_cast<uint32_t>(0xA0 + i)});
    return fields;
  }
  static uint32_t WordAt(const uint8_t* record, int offset) {
    uint32_t word;
    std::memcpy(&word, record + offset, 4);
    return word;
  }
};

TEST_F(DeviceRecordTest, ConvertsEveryFieldOfAWholeBlockExactlyOnce) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
    UseBigEndianMachine(bigEndian);
    machine.directReads[0x0100] = Encode(WholeBlock(), bigEndian);
    uint8_t record[56] = {};
    ASSERT_TRUE(tables.hvx.ReadDeviceRecord(record));
    EXPECT_EQ(WordAt(record, 0), 0x01020304u);
    EXPECT_EQ(WordAt(record, 4), 0x05060708u);
    EXPECT_EQ(WordAt(record, 8), 1u);
    EXPECT_EQ(WordAt(record, 28), 6u);
    EXPECT_EQ(WordAt(record, 32), 0x0A0B0C0Du);
    uint16_t half;
    std::memcpy(&half, record + 36, 2);
    EXPECT_EQ(half, 0x0E0F);
    EXPECT_EQ(record[38], 0xA0);
    EXPECT_EQ(record[55], 0xA0 + 17);
    EXPECT_TRUE(machine.writes.empty());  // a direct read sends no command
  }
}

TEST_F(DeviceRecordTest, AnEightByteAnswerMarksTheRecordMissing) {
  machine.directReads[0x0100] = Encode(Words({1, 2}), false);
  uint8_t record[56];
  std::memset(record, 0x33, sizeof record);
  ASSERT_TRUE(tables.hvx.ReadDeviceRecord(record));
  EXPECT_EQ(WordAt(record, 0), 0xFFFFFFFFu);
  EXPECT_EQ(WordAt(record, 4), 0xFFFFFFFFu);
  for (int i = 8; i < 56; ++i) EXPECT_EQ(record[i], 0) << i;
}

TEST_F(DeviceRecordTest, AnyOtherLengthFailsAndLeavesTheRecordAlone) {
  for (int length : {0, 7, 9, 55}) {
    SCOPED_TRACE(length);
    Bytes reply = Encode(WholeBlock(), false);
    reply.resize(static_cast<size_t>(length));
    machine.directReads[0x0100] = reply;
    uint8_t record[56];
    std::memset(record, 0x33, sizeof record);
    EXPECT_FALSE(tables.hvx.ReadDeviceRecord(record));
    EXPECT_EQ(record[0], 0x33);
    EXPECT_EQ(record[55], 0x33);
  }
}

TEST_F(DeviceRecordTest, TheRawBlockReadConvertsOnlyTheFirstTwoWords) {
  UseBigEndianMachine(true);
  machine.directReads[0x0100] = Encode(WholeBlock(), true);
  uint8_t block[64] = {};
  EXPECT_EQ(tables.control.ReadDeviceBlock(block, sizeof block), 56);
  EXPECT_EQ(WordAt(block, 0), 0x01020304u);
  EXPECT_EQ(WordAt(block, 8), 0x01000000u);  // still in the machine's order
}

TEST_F(DeviceRecordTest, GetPair0248ReadsExactlyEightBytesUnderTheLock) {
  for (bool bigEndian : {false, true}) {
    UseBigEndianMachine(bigEndian);
    machine.directReads[0x0248] = Encode(Words({-3, 0x01020304}), bigEndian);
    int a = 0, b = 0;
    EXPECT_TRUE(tables.hvx.GetPair_0248(&a, &b));
    EXPECT_EQ(a, -3);
    EXPECT_EQ(b, 0x01020304);
  }
  machine.directReads[0x0248] = Encode(Words({1}), false);
  int a = 9, b = 9;
  EXPECT_FALSE(tables.hvx.GetPair_0248(&a, &b));
  EXPECT_EQ(a, 9);
  machine.connected = false;  // the lock cannot be taken
  EXPECT_FALSE(tables.hvx.GetPair_0248(&a, &b));
}

}  // namespace
