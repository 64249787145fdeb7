// The library's operations, called through its tables, against the emulator: what they return
// and the bytes the machine received.
#include "e2e_fixture.h"

namespace {

std::string MoveRecordHex(const AxisVector& target, unsigned speed, bool bigEndian) {
  std::string hex = Hex16(speed, bigEndian) + Hex16(0, bigEndian);
  for (int32_t value : target.value) hex += Hex32(static_cast<uint32_t>(value), bigEndian);
  return hex;
}

// Every query must be written, then its reply read through 0x0003 with no other write between.
void ExpectQueryExchange(const std::vector<std::string>& lines, const std::string& code,
                         unsigned replyLength) {
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "W " + code);
  EXPECT_EQ(lines.back(), "R 0003 " + std::to_string(replyLength));
  for (size_t i = 1; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i], "R 0001 8");
}

TEST_F(EmulatorTest, ConnectingChecksTheDeviceAndTheProtocolThroughTheSimulatorLink) {
  EXPECT_EQ(journal.Lines(), std::vector<std::string>{"R 0002 4"});
  char name[64] = {};
  EXPECT_EQ(library.connect->GetDeviceName(name, sizeof name), 14);
  EXPECT_STREQ(name, "Varnel HVX-40");
  EXPECT_TRUE(library.connect->CheckConnection());  // the device ID query
  EXPECT_EQ(journal.LinesSinceMark(), std::vector<std::string>{"ID"});
  char id[512] = {};
  ASSERT_GT(library.remoteControl->GetDeviceId(id, sizeof id), 1);
  // The two-byte IEEE 1284 length in front of the text is dropped.
  EXPECT_STREQ(id, "MFG:Varnel;CMD:HVX;MDL:HVX-40;CLS:PRINTER;DES:Varnel HVX-40;");
  EXPECT_STREQ(library.remoteService->GetVersion(), "V102");
  EXPECT_STREQ(library.control->GetVersion(), "V100");
}

TEST_F(EmulatorTest, StatusIsOneEightByteControlRead) {
  uint32_t state = 0, handshake = 0;
  ASSERT_EQ(library.connect->GetStatus(&state, &handshake), 1);
  EXPECT_EQ(state & 0xF, 2u);  // ready
  EXPECT_EQ(handshake & 0x70, 0u);
  EXPECT_EQ(journal.LinesSinceMark(), std::vector<std::string>{"R 0001 8"});
}

TEST_F(EmulatorTest, MoveToSendsTheMoveRecordAndTheMachineGetsThere) {
  AxisVector target = NearbyTarget(1000, 500);
  ASSERT_TRUE(library.control->MoveTo(&target, 100));
  std::vector<std::string> lines = journal.LinesSinceMark();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "W 0263 " + MoveRecordHex(target, 100, false));
  EXPECT_EQ(lines[1], "R 0001 8");  // the acceptance wait polls the status
  EXPECT_TRUE(WaitForPosition(target));
}

TEST_F(EmulatorTest, QueriesWriteTheCommandAndReadTheReplyThroughTheReplyCommand) {
  int input = library.remoteControl->GetInputState();
  ASSERT_NE(input, -1);
  EXPECT_EQ(input & 0x40, 0x40);  // cover closed
  ExpectQueryExchange(journal.LinesSinceMark(), "023a", 4);

  journal.Mark();
  EXPECT_EQ(library.control->GetSpindleOverride(), 100);
  ExpectQueryExchange(journal.LinesSinceMark(), "3005", 1);
}

TEST_F(EmulatorTest, TheSerialNumberIsWrittenAsTextWithItsTerminatorAndReadBack) {
  ASSERT_TRUE(library.remoteService->SetSerialNumber("HVX-E2E-7"));
  EXPECT_EQ(journal.LinesSinceMark().front(), "W 0201 " + Hex("HVX-E2E-7", 10));
  char text[64] = {};
  ASSERT_EQ(library.remoteControl->GetSerialNumber(text, sizeof text), 10);
  EXPECT_STREQ(text, "HVX-E2E-7");
}

TEST_F(EmulatorTest, UserCompensationTravelsAsSixWordsAroundOneMillion) {
  ASSERT_EQ(library.control->SetUserCompensation(50, -10, 0), 1);
  std::string expected = "W 0281 " + Hex32(1000050, false) + Hex32(999990, false);
  for (int i = 0; i < 4; ++i) expected += Hex32(1000000, false);
  EXPECT_EQ(journal.LinesSinceMark().front(), expected);
  int x = 0, y = 0, z = 0;
  ASSERT_TRUE(library.control->GetUserCompensation(&x, &y, &z));
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, -10);
  EXPECT_EQ(z, 0);
}

TEST_F(EmulatorTest, TheSystemReportArrivesWholeOverTheBulkInPipe) {
  int size = library.control->GetSystemReport(nullptr, 0);
  ASSERT_GT(size, 1);
  journal.Mark();
  std::vector<char> text(size, 'x');
  ASSERT_EQ(library.control->GetSystemReport(text.data(), size), size);
  EXPECT_EQ(text[size - 1], '\0');
  EXPECT_EQ(std::strlen(text.data()), static_cast<size_t>(size - 1));

  std::vector<std::string> lines = journal.LinesSinceMark();
  EXPECT_EQ(lines.front(), "W 02c0");
  long delivered = 0;
  for (const std::string& line : LinesStarting(lines, "BI ")) delivered += std::stol(line.substr(3));
  EXPECT_EQ(delivered, size);
}

TEST_F(EmulatorTest, ParametersWrittenOverTheBulkOutPipeReadBackTheSame) {
  int size = library.remoteService->GetParameters(nullptr, 0);
  ASSERT_GT(size, 0);
  std::vector<uint8_t> area(size);
  ASSERT_EQ(library.remoteService->GetParameters(area.data(), size), size);
  for (size_t i = 0; i < area.size(); ++i) area[i] = static_cast<uint8_t>(i * 13 + 7);

  journal.Mark();
  ASSERT_TRUE(library.remoteService->PutParameters(area.data(), size));
  std::string sent;
  for (const std::string& line : LinesStarting(journal.LinesSinceMark(), "BO ")) sent += line.substr(3);
  EXPECT_EQ(sent, Hex(area.data(), area.size()));

  std::vector<uint8_t> again(size);
  ASSERT_EQ(library.remoteService->GetParameters(again.data(), size), size);
  EXPECT_EQ(again, area);
}

TEST_F(EmulatorTest, AFileIsHandedOverByItsPathAndTheEmulatorReadsItsBytes) {
  std::string path = TemporaryFolder() + "hvx_e2e_job.prn";
  const char content[] = "G0 X1 Y2\r\nM30\r\n";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(content, 1, sizeof content - 1, file);
  std::fclose(file);

  const char* pathText = path.c_str();
  ASSERT_TRUE(library.control->OutputFile(&pathText, "job"));
  std::vector<std::string> files = LinesStarting(journal.LinesSinceMark(), "F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0], "F " + path + " " + Hex(content, sizeof content - 1));
  DeleteFileA(path.c_str());
}

}  // namespace

namespace {

class LongReportEmulatorTest : public EmulatorTest {
 protected:
  std::vector<std::string> EmulatorOptions() override { return {"/report-size", "100000"}; }
};

// The report crosses in many bulk IN transfers of the library's own size; none of its bytes may
// fall between two of them.
TEST_F(LongReportEmulatorTest, ALongReportArrivesWithEveryByte) {
  std::vector<char> text(200000, 'x');
  ASSERT_EQ(library.control->GetSystemReport(text.data(), static_cast<int>(text.size())), 100001);
  EXPECT_EQ(std::strlen(text.data()), 100000u);
  EXPECT_EQ(std::string(text.data(), 27), "Varnel HVX-40 System Report");
  long delivered = 0;
  for (const std::string& line : LinesStarting(journal.LinesSinceMark(), "BI ")) {
    delivered += std::stol(line.substr(3));
  }
  EXPECT_EQ(delivered, 100001);
}

}  // namespace
