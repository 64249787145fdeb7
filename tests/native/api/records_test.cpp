// The records with their own rules: the compensation scale, the device block read directly,
// the pair read directly.
#include <climits>
#include <cstring>
#include <string>

#include "machine_records.h"
#include "table_fixture.h"

namespace {

using namespace machine;

// The rounded quotient, or "none" when MulDiv refuses.
std::string Quotient(int32_t number, int32_t numerator, int32_t denominator) {
  int32_t result = 0;
  return MulDiv(number, numerator, denominator, result) ? std::to_string(result) : "none";
}

TEST(MulDivTest, RoundsHalvesAwayFromZeroKeepsTheFullProductAndRefusesWhatHasNoValue) {
  EXPECT_EQ(Quotient(5, 1, 2), "3");
  EXPECT_EQ(Quotient(-5, 1, 2), "-3");
  EXPECT_EQ(Quotient(7, 1, 3), "2");
  EXPECT_EQ(Quotient(8, 1, 3), "3");
  EXPECT_EQ(Quotient(8, 1, -3), "-3");
  EXPECT_EQ(Quotient(-1, 1000000, 1000000), "-1");  // a real -1 is a value
  EXPECT_EQ(Quotient(2000000, 1000000, 1000000), "2000000");  // the product overflows 32 bits
  EXPECT_EQ(Quotient(INT_MAX, INT_MAX, INT_MAX), std::to_string(INT_MAX));
  EXPECT_EQ(Quotient(1, 1, 0), "none");
  EXPECT_EQ(Quotient(INT_MAX, 2, 1), "none");
  EXPECT_EQ(Quotient(INT_MIN, 2, 1), "none");
  EXPECT_EQ(Quotient(INT_MIN, 1, 1), std::to_string(INT_MIN));  // the lowest value still fits
}

TEST(CompensationTest, ReadsAScaleOtherThanAMillionByRounding) {
  // 1000001 / 999999 is 2 ppm once rounded; 2 / 1 and 3 / 1 are twice and three times the length.
  Compensation ppm{};
  ASSERT_TRUE(CompensationFromRecord({1000001, 2, 3, 999999, 1, 1}, ppm));
  EXPECT_EQ(ppm.x, 2);
  EXPECT_EQ(ppm.y, 1000000);
  EXPECT_EQ(ppm.z, 2000000);
}

// A record without a scale for every axis is a broken record, not a correction of -1000001 ppm
// that a page would show as real; a correction of -1000001 from a real scale is still a value.
TEST_F(TableTest, ACompensationWithoutAScaleFailsAndLeavesTheOutputsAlone) {
  struct Case {
    const char* name;
    Fields words;
  };
  for (const Case& c : {Case{"zero denominator", Words({1000000, 1000000, 1000000, 1000000, 0, 1000000})},
                        Case{"quotient past 32 bits", Words({INT_MAX, 1000000, 1000000, 1, 1000000, 1000000})},
                        Case{"correction past 32 bits", Words({1000000, 1000000, INT_MIN, 1000000, 1000000, 1000000})}}) {
    SCOPED_TRACE(c.name);
    for (uint16_t code : {uint16_t{0x0280}, uint16_t{0x0282}}) machine.replies[code] = Encode(c.words, false);
    int x = 11, y = 12, z = 13;
    EXPECT_FALSE(tables.hvx.GetUserCompensation(&x, &y, &z));
    EXPECT_FALSE(tables.production.GetCompensation2(&x, &y, &z));
    EXPECT_EQ(std::vector<int>({x, y, z}), std::vector<int>({11, 12, 13}));
  }
  machine.replies[0x0280] = Encode(Words({-1, 999999, 1000000, 1000000, 1000000, 1000000}), false);
  int x = 0, y = 0, z = 0;
  ASSERT_TRUE(tables.hvx.GetUserCompensation(&x, &y, &z));
  EXPECT_EQ(std::vector<int>({x, y, z}), std::vector<int>({-1000001, -1, 0}));
}

// Direct reads go out under the cross-process lock, like every exchange but the bare writes.
TEST_F(TableTest, DirectReadsHoldTheLock) {
  machine.directReads[0x0100] = Bytes(56, 1);
  machine.directReads[0x0248] = Bytes(8, 2);
  uint8_t block[56];
  int a = 0, b = 0;
  EXPECT_EQ(tables.control.ReadDeviceBlock(block, 56), 56);
  EXPECT_TRUE(tables.hvx.ReadDeviceRecord(block));
  EXPECT_TRUE(tables.hvx.GetPair_0248(&a, &b));
  ASSERT_EQ(machine.reads.size(), 3u);
  for (const CFakeMachine::Write& read : machine.reads) {
    SCOPED_TRACE(read.code);
    EXPECT_TRUE(read.locked);
  }
  EXPECT_EQ(machine.lockDepth, 0);
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
  EXPECT_FALSE(tables.hvx.ReadDeviceRecord(nullptr));
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
