// The README's factory batch file, taken from the README as written and run by cmd.exe against
// the emulator: every step reaches the machine, and the first failure stops the batch with the
// failing command's exit code.
#include <fstream>
#include <sstream>

#include "ctl_process.h"

namespace {

const char kBatchStart[] = "```bat\n";
const char kBlockEnd[] = "```\n";

std::string ReadmeBatch() {
  std::ifstream file(std::string("Z:") + HVX_README, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const std::string readme = text.str();
  const size_t start = readme.find(kBatchStart);
  if (start == std::string::npos) return std::string();
  const size_t body = start + sizeof kBatchStart - 1;
  const size_t end = readme.find(kBlockEnd, body);
  std::string batch = readme.substr(body, end - body);
  // cmd.exe reads batch files with CR LF line ends.
  std::string crlf;
  for (char c : batch) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

class FactoryBatch : public CtlTest {
 protected:
  std::vector<std::string> EmulatorOptions() override { return {"/update-ms", "1500"}; }

  void SetUp() override {
    CtlTest::SetUp();
    folder_ = TempPath("hvx_factory");
    CreateDirectoryA(folder_.c_str(), nullptr);
    folder_ += "\\";
    const std::string batch = ReadmeBatch();
    ASSERT_NE(batch.find("set CONNECTION=--simulator"), std::string::npos)
        << "no factory batch file in the README";
    ASSERT_TRUE(WriteBytes(folder_ + "factory.bat", batch));
    ASSERT_TRUE(WriteBytes(folder_ + "serials.txt", "HVX7101\r\nHVX7102\r\n"));
    params_ = std::string(2048, '\0');
    for (size_t i = 0; i < params_.size(); ++i) params_[i] = static_cast<char>(i * 13 + 5);
    ASSERT_TRUE(WriteBytes(folder_ + "factory-params.bin", params_));
    DeleteFileA((folder_ + "report-HVX7101.txt").c_str());
    char path[32768];
    GetEnvironmentVariableA("PATH", path, sizeof path);
    SetEnvironmentVariableA("PATH", (ProgramFolder() + ";" + path).c_str());
  }

  CtlResult RunBatch() { return RunCaptured("cmd.exe /c factory.bat", folder_, 240000); }

  std::string folder_;
  std::string params_;
};

TEST_F(FactoryBatch, EachMachineGetsSerialParametersFirmwareAndAReport) {
  const std::string firmware = "HVX40 FIRMWARE 0103";
  ASSERT_TRUE(WriteBytes(folder_ + "hvx40-0103.rfw", firmware));
  CtlResult r = RunBatch();
  EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("All machines done."), std::string::npos) << r.out;
  const std::vector<std::string> lines = journal.LinesSinceMark();
  EXPECT_EQ(Starting(lines, "W 0201"), std::vector<std::string>{"W 0201 " + Hex("HVX7101", 8)});
  std::string bulk;
  for (const std::string& line : Starting(lines, "BO ")) bulk += line.substr(3);
  EXPECT_NE(bulk.find(Hex(params_.data(), params_.size())), std::string::npos);
  std::vector<std::string> files = Starting(lines, "F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].substr(files[0].rfind(' ') + 1), Hex(firmware.data(), firmware.size()));
  EXPECT_EQ(emulator.Dump()["serial"], "HVX7101");
  EXPECT_FALSE(ReadBytes(folder_ + "report-HVX7101.txt").empty());
}

TEST_F(FactoryBatch, TheFirstFailureStopsTheBatchWithItsExitCode) {
  ASSERT_TRUE(WriteBytes(folder_ + "hvx40-0103.rfw", "BADFIRM"));
  CtlResult r = RunBatch();
  EXPECT_EQ(r.exitCode, 4) << r.out << r.err;
  EXPECT_NE(r.out.find("Stopped at the first failure (exit code 4)."), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("hvx40ctl firmware: Failed to update."), std::string::npos) << r.err;
  EXPECT_FALSE(Exists(folder_ + "report-HVX7101.txt")) << "the batch went on after the failure";
}

}  // namespace
