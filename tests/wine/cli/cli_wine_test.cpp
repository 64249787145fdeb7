// Every command against the emulator: its effect in the journal and the emulator's state, files
// byte for byte, exit codes, the --json object parsed back, and the log record.
#include "ctl_process.h"

#include "harness/service_library.h"

namespace {

// The emulator's parameter area 0 is 2048 bytes.
const size_t kAreaSize = 2048;

std::string Pattern(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + seed) & 0xFF);
  return bytes;
}

class CtlCommands : public CtlTest {};

TEST_F(CtlCommands, StatusShowsTheMachineAsTheMainWindowDoes) {
  EXPECT_TRUE(emulator.Send("position 12349 0 -500"));
  EXPECT_TRUE(emulator.Send("sensor y on"));
  CtlResult r = RunJson({"status"}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(json["command"], "status");
  EXPECT_EQ(json["ok"], "true");
  EXPECT_EQ(json["machine"], "Varnel HVX-40");
  EXPECT_EQ(json["state"], "Ready");
  EXPECT_EQ(json["x"], "12.34");
  EXPECT_EQ(json["z"], "-0.50");
  EXPECT_EQ(json["x_limit"], "---");
  EXPECT_EQ(json["y_limit"], "ON");
  EXPECT_EQ(json["cover"], "CLOSE");
  EXPECT_EQ(json["serial"], "HVX0001");
  EXPECT_EQ(json["firmware"], "1.02");
  EXPECT_EQ(json["usb_id"], "A");

  EXPECT_TRUE(emulator.Send("cover open"));
  r = RunCtl({"status", "--simulator"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("State: Cover is open"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Cover: OPEN"), std::string::npos) << r.out;
}

TEST_F(CtlCommands, SerialIsWrittenAndTheRecordNamesQueueAndSerial) {
  const size_t logBefore = ToolLogLines().size();
  CtlResult r = RunJson({"serial", "HVX7001"}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(json["serial"], "HVX7001");
  EXPECT_EQ(json["previous_serial"], "HVX0001");
  EXPECT_EQ(emulator.Dump()["serial"], "HVX7001");
  EXPECT_EQ(Starting(journal.LinesSinceMark(), "W 0201").size(), 1u);
  EXPECT_EQ(Starting(journal.LinesSinceMark(), "W 0201")[0], "W 0201 " + Hex("HVX7001", 8));
  std::vector<std::string> log = ToolLogLines();
  ASSERT_EQ(log.size(), logBefore + 3);
  EXPECT_NE(log[logBefore].find(" hvx40ctl [Varnel HVX-40] [HVX0001] Write the serial"),
            std::string::npos) << log[logBefore];
  EXPECT_NE(log[logBefore + 1].find(" hvx40ctl [Varnel HVX-40] [HVX0001] Serial number written: "
                                    "HVX7001"),
            std::string::npos) << log[logBefore + 1];
  EXPECT_NE(log[logBefore + 2].find(" hvx40ctl [Varnel HVX-40] [HVX0001] serial HVX7001: done"),
            std::string::npos) << log[logBefore + 2];
}

TEST_F(CtlCommands, ParametersGoInAndComeBackByteForByte) {
  const std::string image = Pattern(kAreaSize, 3);
  const std::string in = TempPath("hvx_cli_params_in.bin");
  const std::string out = TempPath("hvx_cli_params_out.bin");
  ASSERT_TRUE(WriteBytes(in, image));
  DeleteFileA(out.c_str());
  CtlResult r = RunJson({"params", "put", in}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  std::string sent;
  for (const std::string& line : Starting(journal.LinesSinceMark(), "BO ")) sent += line.substr(3);
  EXPECT_NE(sent.find(Hex(image.data(), image.size())), std::string::npos);

  r = RunJson({"params", "get", out}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(json["bytes"], std::to_string(kAreaSize));
  EXPECT_TRUE(ReadBytes(out) == image) << "the image read back differs from the one put";
}

TEST_F(CtlCommands, TheReportIsSavedExactlyAsTheMachineDeliveredIt) {
  const std::string path = TempPath("hvx_cli_report.txt");
  CtlResult r = RunJson({"report", path}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  CServiceLibrary library;
  ASSERT_TRUE(library.Load());
  ASSERT_TRUE(library.control->ConnectSimulator(0));
  std::vector<char> buffer(1000000);
  const int count = library.remoteService->GetSystemReport(buffer.data(), 1000000);
  library.Unload();
  ASSERT_GT(count, 0);
  const std::string expected(buffer.data());
  EXPECT_EQ(json["bytes"], std::to_string(expected.size()));
  EXPECT_TRUE(ReadBytes(path) == expected) << ReadBytes(path);
}

TEST_F(CtlCommands, ACuttingFileIsHandedOverUnchanged) {
  const std::string path = TempPath("hvx_cli_job.nc");
  const std::string job = "G0 X10 Y10\r\nG1 Z-1 F100\r\n\x01\xff";
  ASSERT_TRUE(WriteBytes(path, job));
  CtlResult r = RunJson({"send", path}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> files = Starting(journal.LinesSinceMark(), "F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].substr(files[0].rfind(' ') + 1), Hex(job.data(), job.size()));
  EXPECT_EQ(emulator.Dump()["jobs"], "1");
}

TEST_F(CtlCommands, ClearsRunOnlyWithYes) {
  CtlResult r = RunCtl({"--simulator", "params", "clear-all"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(IsOneLine(r.err));
  EXPECT_TRUE(journal.LinesSinceMark().empty()) << "the machine was asked without --yes";
  r = RunCtl({"--simulator", "params", "clear-all", "--yes"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Starting(journal.LinesSinceMark(), "W 02e3").size(), 1u);

  journal.Mark();
  r = RunCtl({"--yes", "--simulator", "params", "clear-user"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::vector<std::string> lines = journal.LinesSinceMark();
  EXPECT_EQ(Starting(lines, "W 0203").size(), 1u) << "the USB ID was not reset";
  EXPECT_FALSE(Starting(lines, "W 0ffd").empty()) << "the start-up flag was not set";
}

class CtlFirmware : public CtlTest {
 protected:
  std::vector<std::string> EmulatorOptions() override { return {"/update-ms", "1500"}; }
};

TEST_F(CtlFirmware, AConfirmedInstallationEndsWithZeroAndAPercentage) {
  const std::string path = TempPath("hvx_cli_fw.rfw");
  const std::string image = "HVX40 FIRMWARE 0103";
  ASSERT_TRUE(WriteBytes(path, image));
  CtlResult r = RunCtl({"--simulator", "firmware", path}, 120000);
  EXPECT_LT(r.ms, 30000u);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("firmware: 100%"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("Success to update. Please restart HVX-40."), std::string::npos) << r.out;
  const std::vector<std::string> lines = journal.LinesSinceMark();
  EXPECT_EQ(Starting(lines, "W 0277").size(), 1u);
  std::vector<std::string> files = Starting(lines, "F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].substr(files[0].rfind(' ') + 1), Hex(image.data(), image.size()));
  // The emulator leaves update mode when the program lets it go; the record keeps the ending.
  const std::vector<std::string> log = ToolLogLines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_NE(log[log.size() - 2].find("hvx40ctl [Varnel HVX-40] [HVX0001] Updated Firmware"),
            std::string::npos) << log[log.size() - 2];
}

TEST_F(CtlFirmware, ARefusedImageEndsWithFourAndTheToolsText) {
  const std::string path = TempPath("hvx_cli_badfw.rfw");
  ASSERT_TRUE(WriteBytes(path, "BADFIRM"));
  CtlResult r = RunCtl({"--simulator", "firmware", path}, 120000);
  EXPECT_EQ(r.exitCode, 4);
  EXPECT_NE(r.err.find("hvx40ctl firmware: Failed to update. Please restart HVX-40.; restart the "
                       "machine; its firmware may be incomplete"),
            std::string::npos) << r.err;
}

}  // namespace
