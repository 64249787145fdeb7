// Texts, reports, parameter areas and the 16-bit table: what goes out, and how the results
// reach the caller's buffer without ever writing past it.
#include <cstring>
#include <functional>
#include <new>
#include <string>

#include "block_out.h"
#include "table_fixture.h"
#include "text_out.h"

namespace {

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

class BlockTransferTest : public TableTest {};

TEST_F(BlockTransferTest, TextQueriesUseTheirNumbersAndTheStringOutRules) {
  struct TextCase {
    const char* name;
    std::function<int(Tables&, char*, int)> call;
    uint16_t code;
  };
#define TEXT(slot, code) {#slot, [](Tables& t, char* b, int s) { return t.control.slot(b, s); }, code}
  const TextCase cases[] = {TEXT(GetFirmwareVersion, 0x0101), TEXT(GetSerialNumber, 0x0200),
                            TEXT(GetShortCode, 0x0202), TEXT(GetString_0211, 0x0211)};
#undef TEXT
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    machine.writes.clear();
    machine.replies[c.code] = TextBytes(std::string("V1.23\0junk", 10));
    EXPECT_EQ(c.call(tables, nullptr, 0), 6);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(c.call(tables, buffer, 5), -1);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(c.call(tables, buffer, 6), 6);
    EXPECT_STREQ(buffer, "V1.23");
    EXPECT_EQ(buffer[6], 'x');
    ASSERT_EQ(machine.writes.size(), 3u);
    EXPECT_EQ(machine.writes[0].code, c.code);
  }
  machine.connected = false;
  char buffer[8];
  EXPECT_EQ(tables.control.GetSerialNumber(buffer, sizeof buffer), -1);
}

TEST_F(BlockTransferTest, GetDeviceIdHandsOnTheTransportsText) {
  protocol.deviceId = "MFG:Varnel;MDL:HVX-40;";
  char buffer[64];
  EXPECT_EQ(tables.control.GetDeviceId(buffer, sizeof buffer), 23);
  EXPECT_STREQ(buffer, "MFG:Varnel;MDL:HVX-40;");
  protocol.deviceIdReadable = false;
  EXPECT_EQ(tables.control.GetDeviceId(buffer, sizeof buffer), -1);
}

TEST_F(BlockTransferTest, SystemReportCountsItsTerminatorAndNeverOverrunsTheBuffer) {
  auto script = [this] { machine.bulkIn = {TextBytes("abc"), Bytes{}, Bytes{0}}; };
  script();
  EXPECT_EQ(tables.service.GetSystemReport(nullptr, 0), 4);
  script();
  char small[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(tables.hvx.GetSystemReport(small, 3), -1);
  EXPECT_EQ(small[0], 'x');
  script();
  char exact[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(tables.hvx.GetSystemReport(exact, 4), 4);
  EXPECT_STREQ(exact, "abc");
  EXPECT_EQ(exact[4], 'x');
  for (const auto& write : machine.writes) EXPECT_EQ(write.code, 0x02C0);
  machine.bulkIn.clear();  // the pipe fails
  EXPECT_EQ(tables.service.GetSystemReport(exact, 5), -1);
}

TEST_F(BlockTransferTest, ParameterAreasAreSizedThenDumped) {
  for (bool second : {false, true}) {
    SCOPED_TRACE(second ? "area 1" : "area 0");
    machine.writes.clear();
    const uint16_t sizeCode = second ? 0x02F0 : 0x02E0;
    machine.replies[sizeCode] = Encode(Words({6}), false);
    machine.bulkIn = {Bytes{1, 2, 3, 4, 5, 6}, Bytes{0}};
    uint8_t area[8] = {};
    const int length = second ? tables.service.GetParameters2(area, sizeof area)
                              : tables.service.GetParameters(area, sizeof area);
    EXPECT_EQ(length, 6);
    EXPECT_EQ(area[5], 6);
    EXPECT_EQ(area[6], 0);
    EXPECT_EQ(machine.WrittenCodes(),
              (std::vector<uint16_t>{sizeCode, static_cast<uint16_t>(sizeCode + 1)}));
  }
}

TEST_F(BlockTransferTest, ParametersGoUpOnlyWhenTheLengthIsTheAreasSize) {
  machine.replies[0x02E0] = Encode(Words({5}), false);
  const uint8_t data[5] = {9, 8, 7, 6, 5};
  EXPECT_FALSE(tables.service.PutParameters(data, 4));
  EXPECT_TRUE(machine.bulkOut.empty());
  EXPECT_EQ(machine.WrittenCodes(), std::vector<uint16_t>{0x02E0});

  EXPECT_TRUE(tables.service.PutParameters(data, 5));
  ASSERT_EQ(machine.bulkOut.size(), 1u);
  EXPECT_EQ(machine.bulkOut[0], Bytes(data, data + 5));
  EXPECT_EQ(machine.writes.back().code, 0x02E2);
}

TEST_F(BlockTransferTest, TheWordTableIsReadAndWrittenInTheMachinesByteOrder) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
    machine.writes.clear();
    UseBigEndianMachine(bigEndian);
    machine.replies[0x02C1] = Encode(Halves({0x0102, 0x0304, 0x0506}), bigEndian);
    uint16_t words[3] = {0, 0, 0xEEEE};
    EXPECT_TRUE(tables.service.ReadWords_02C1(words, 2));
    EXPECT_EQ(words[0], 0x0102);
    EXPECT_EQ(words[1], 0x0304);
    EXPECT_EQ(words[2], 0xEEEE);
    EXPECT_TRUE(tables.service.ReadWords_02C1(words, 0));  // none asked for, none written
    EXPECT_EQ(words[0], 0x0102);

    const uint16_t data[4] = {0x1111, 0x2233, 0x4455, 0x6677};
    EXPECT_TRUE(tables.production.WriteWords_02C2(data, 4));
    // The table holds three words, so only three go out.
    EXPECT_EQ(machine.writes.back().code, 0x02C2);
    EXPECT_EQ(machine.writes.back().data, Encode(Halves({0x1111, 0x2233, 0x4455}), bigEndian));
  }
}

TEST_F(BlockTransferTest, SendDataGoesStraightToTheBulkPipeWithoutTheLock) {
  const uint8_t data[3] = {0x1B, 0x40, 0x0A};
  EXPECT_TRUE(tables.hvx.SendData(data, 3));
  ASSERT_EQ(machine.bulkOut.size(), 1u);
  EXPECT_EQ(machine.bulkOut[0], Bytes(data, data + 3));
  EXPECT_TRUE(machine.writes.empty());
  EXPECT_EQ(machine.statusReads, 0);
}

// Memory running out while a block or text is built stays inside the library: the slot fails.
TEST_F(BlockTransferTest, AnAllocationThatFailsIsAFailedReadNotAnException) {
  const auto block = [](CCommandProtocol&, std::vector<char>&) -> bool { throw std::bad_alloc(); };
  const auto text = [](CCommandProtocol&, std::string&) -> bool { throw std::bad_alloc(); };
  char buffer[8];
  EXPECT_EQ(api::ReadBlockOut<char>(protocol, block, buffer, sizeof buffer), -1);
  EXPECT_EQ(api::TextOut(protocol, text, buffer, sizeof buffer), -1);
}

}  // namespace
