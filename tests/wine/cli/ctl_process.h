// hvx40ctl.exe run as a script runs it: its standard output and standard error captured apart,
// its exit code, and how long it took; the emulator beside it with a journal.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/emulator_process.h"
#include "harness/journal_file.h"
#include "support/json_reader.h"

struct CtlResult {
  int exitCode = -1;
  std::string out;
  std::string err;
  DWORD ms = 0;
};

// Runs hvx40ctl.exe from the program folder with the arguments; gives up after timeoutMs.
CtlResult RunCtl(const std::vector<std::string>& args, DWORD timeoutMs = 60000);
// Runs any command line with its output captured, in the folder given (empty: the current one).
CtlResult RunCaptured(const std::string& commandLine, const std::string& folder, DWORD timeoutMs);
// Starts hvx40ctl.exe once per argument list, all at once, and waits for every run (at most
// timeoutMs in all); the results in the order given.
std::vector<CtlResult> RunCtlTogether(const std::vector<std::vector<std::string>>& runs,
                                      DWORD timeoutMs);

std::string TempPath(const std::string& name);
bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// The lines of the tool's log file ("Varnel HVX-40_log00.txt" in its data folder, or the older
// file of that number).
std::vector<std::string> ToolLogLines(int number = 0);
std::string ToolLogPath(int number);

class CtlTest : public ::testing::Test {
 protected:
  CtlTest() : journal(TempPath("hvx_cli_journal.txt")) {}
  virtual std::vector<std::string> EmulatorOptions() { return {}; }

  void SetUp() override {
    std::vector<std::string> options = {"/journal", journal.path()};
    for (const std::string& option : EmulatorOptions()) options.push_back(option);
    ASSERT_TRUE(emulator.Start(options)) << "hvx40sim.exe did not come up";
    journal.Mark();
  }
  void TearDown() override { emulator.Stop(); }

  // Runs with --simulator and expects a parseable --json object on standard output.
  CtlResult RunJson(std::vector<std::string> args, CJsonReader& json) {
    args.insert(args.begin(), {"--simulator", "--json"});
    CtlResult result = RunCtl(args);
    EXPECT_TRUE(json.Parse(result.out)) << "not one JSON object: " << result.out;
    return result;
  }

  CJsonReader json;
  CJournalFile journal;
  CEmulatorProcess emulator;
};

// The journal lines that start with prefix.
std::vector<std::string> Starting(const std::vector<std::string>& lines, const std::string& prefix);
// The one failure line on standard error, with its line break.
::testing::AssertionResult IsOneLine(const std::string& err);
