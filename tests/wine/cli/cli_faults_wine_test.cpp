// The faults a factory line meets, each ending with its own exit code and one line that names
// what failed and what was left as it was, within the library's bounds.
#include "ctl_process.h"

namespace {

// Every wait of the library is bounded (10 s for the lock, 500 ms per acknowledge); a command
// that reaches none of them must end well inside this.
const DWORD kBoundMs = 30000;

class CtlFaults : public CtlTest {};

TEST(CtlNoEmulator, NoEmulatorRunningIsNoMachine) {
  CtlResult r = RunCtl({"--simulator", "status"});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(IsOneLine(r.err));
  EXPECT_EQ(r.err.find("hvx40ctl status: cannot connect to Varnel HVX-40 (is the emulator "
                       "running?); nothing was done"), 0u) << r.err;
  EXPECT_LT(r.ms, kBoundMs);
}

TEST_F(CtlFaults, AMachineThatNeverAcknowledgesIsNotConnected) {
  ASSERT_TRUE(emulator.Send("fault noack on"));
  CtlResult r = RunJson({"serial", "HVX7002"}, json);
  EXPECT_EQ(r.exitCode, 3) << r.err;
  EXPECT_EQ(json["exit_code"], "3");
  EXPECT_TRUE(IsOneLine(r.err));
  EXPECT_LT(r.ms, kBoundMs);
  EXPECT_EQ(emulator.Dump()["serial"], "HVX0001");
  EXPECT_TRUE(Starting(journal.LinesSinceMark(), "W 0201").empty());
}

TEST_F(CtlFaults, AnOfflineMachineShowsItsStatusButTakesNoCommand) {
  ASSERT_TRUE(emulator.Send("fault offline on"));
  CtlResult r = RunJson({"status"}, json);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(json["state"], "Offline");
  journal.Mark();
  r = RunJson({"serial", "HVX7003"}, json);
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(json["error"], "Varnel HVX-40 reports itself offline");
  EXPECT_EQ(r.err.find("hvx40ctl serial: Varnel HVX-40 reports itself offline; nothing was done"),
            0u) << r.err;
  EXPECT_TRUE(Starting(journal.LinesSinceMark(), "W 0201").empty());
  EXPECT_EQ(emulator.Dump()["serial"], "HVX0001");
}

TEST_F(CtlFaults, AParameterFileOfTheWrongSizeIsRefusedUnsent) {
  const std::string path = TempPath("hvx_cli_big.bin");
  ASSERT_TRUE(WriteBytes(path, std::string(10001, 'p')));
  CtlResult r = RunJson({"params", "put", path}, json);
  EXPECT_EQ(r.exitCode, 5);
  EXPECT_EQ(json["error"], "The parameter file is larger than 10000 bytes.");
  EXPECT_EQ(json["unchanged"], "the machine's parameters are unchanged");
  EXPECT_TRUE(IsOneLine(r.err));
  EXPECT_TRUE(Starting(journal.LinesSinceMark(), "W 02e2").empty());
  EXPECT_TRUE(Starting(journal.LinesSinceMark(), "BO ").empty());
}

TEST_F(CtlFaults, AMissingFileIsAFileErrorBeforeTheMachineIsAsked) {
  const std::string path = TempPath("hvx_cli_missing.rfw");
  DeleteFileA(path.c_str());
  for (const char* command : {"firmware", "send"}) {
    CtlResult r = RunJson({command, path}, json);
    EXPECT_EQ(r.exitCode, 5) << command;
    EXPECT_EQ(json["error"], path + " was not found.");
    EXPECT_TRUE(IsOneLine(r.err));
  }
  EXPECT_TRUE(journal.LinesSinceMark().empty()) << "the machine was asked";
  EXPECT_EQ(emulator.Dump()["update_mode"], "0");
}

TEST_F(CtlFaults, AnUnwritableReportFileLeavesNothingBehind) {
  const std::string path = TempPath("no_such_folder\\report.txt");
  CtlResult r = RunJson({"report", path}, json);
  EXPECT_EQ(r.exitCode, 5);
  EXPECT_EQ(json["unchanged"], "the report was not saved");
  EXPECT_TRUE(IsOneLine(r.err));
}

}  // namespace
