// The factory rack under Wine: four emulators side by side in one prefix, one hvx40ctl per
// machine, all at once. Each machine's journal holds only its own run, every run ends as its
// machine deserves, and the log files that all of them share hold every line once, rotated once.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "ctl_process.h"

namespace {

constexpr int kMachines = 4;
// 203200, the far corner's X, as a move record carries it.
const char kFarCornerX[] = "c0190300";

std::string MachineName(int n) { return "Rack " + std::to_string(n + 1); }

size_t CountContaining(const std::vector<std::string>& lines, const std::string& text) {
  return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.find(text) != std::string::npos;
  }));
}

class Rack : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int n = 0; n < kMachines; ++n) {
      journals_.emplace_back(TempPath("hvx_rack_journal" + std::to_string(n) + ".txt"));
      ASSERT_TRUE(emulators_[n].Start({"/name", MachineName(n), "/journal", journals_[n].path(),
                                       "/motion-scale", "50"}))
          << MachineName(n) << " did not come up";
    }
  }
  void TearDown() override {
    for (CEmulatorProcess& emulator : emulators_) emulator.Stop();
  }

  std::vector<std::vector<std::string>> EachMachine(const std::vector<std::string>& command) {
    std::vector<std::vector<std::string>> runs;
    for (int n = 0; n < kMachines; ++n) {
      std::vector<std::string> args = {"--simulator", "--machine", MachineName(n)};
      args.insert(args.end(), command.begin(), command.end());
      runs.push_back(args);
    }
    return runs;
  }

  CEmulatorProcess emulators_[kMachines];
  std::vector<CJournalFile> journals_;
};

TEST_F(Rack, EveryRunningEmulatorIsListedByItsName) {
  CtlResult r = RunCtl({"--simulator", "list"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "Rack 1\r\nRack 2\r\nRack 3\r\nRack 4\r\n");
}

// The log is filled to just below its limit first, so that a rotation falls among the runs'
// own entries; file 01 holds a marker that must move up by exactly one.
TEST_F(Rack, FourAgeingRunsSideBySideEachOnItsOwnMachineAndEveryLogLineOnce) {
  for (int n = 0; n < 10; ++n) DeleteFileA(ToolLogPath(n).c_str());
  std::string filler;
  while (filler.size() < 31744 - 400) filler += "2026/01/01 00:00:00 filler line of the log\r\n";
  ASSERT_TRUE(WriteBytes(ToolLogPath(0), filler));
  ASSERT_TRUE(WriteBytes(ToolLogPath(1), "marker\r\n"));

  const std::vector<CtlResult> results = RunCtlTogether(EachMachine({"ageing", "--cycles", "2"}), 180000);
  for (int n = 0; n < kMachines; ++n) {
    EXPECT_EQ(results[n].exitCode, 0) << MachineName(n) << ": " << results[n].err;
    EXPECT_EQ(results[n].out, "Ageing ended after 2 cycles: the planned run was complete\r\n");
    // Its own three parks, the start, two cycles of two moves: nobody else's.
    const std::vector<std::string> moves = Starting(journals_[n].Lines(), "W 0263");
    EXPECT_EQ(moves.size(), 3u + 1u + 2u * 2u + 3u) << MachineName(n);
    EXPECT_EQ(CountContaining(moves, kFarCornerX), 2u) << MachineName(n);
  }

  std::vector<std::string> lines;
  for (int n = 0; n < 10; ++n) {
    for (const std::string& line : ToolLogLines(n)) lines.push_back(line);
  }
  for (int n = 0; n < kMachines; ++n) {
    const std::string entry = "hvx40ctl [" + MachineName(n) + "] [HVX0001] ";
    EXPECT_EQ(CountContaining(lines, entry + "Aiging"), 1u) << MachineName(n);
    EXPECT_EQ(CountContaining(lines, entry + "Ageing ended after 2 cycles"), 1u) << MachineName(n);
    EXPECT_EQ(CountContaining(lines, entry + "ageing --cycles 2: done"), 1u) << MachineName(n);
  }
  for (const std::string& line : lines) {
    if (line == "marker" || line.find(" filler ") != std::string::npos) continue;
    EXPECT_EQ(line.find("hvx40ctl ["), 20u) << "not one whole entry: " << line;
    EXPECT_EQ(line.find("hvx40ctl [", 21), std::string::npos) << "two entries mixed: " << line;
  }
  EXPECT_EQ(ToolLogLines(2), std::vector<std::string>{"marker"}) << "rotated other than once";
  EXPECT_FALSE(Exists(ToolLogPath(3)));
}

TEST_F(Rack, ALoadCheckFailsOnlyTheStalledAxisOfItsMachine) {
  ASSERT_TRUE(emulators_[1].Send("load y 80"));
  const std::vector<CtlResult> results = RunCtlTogether(EachMachine({"--json", "loadcheck"}), 180000);
  for (int n = 0; n < kMachines; ++n) {
    CJsonReader json;
    ASSERT_TRUE(json.Parse(results[n].out)) << results[n].out;
    const bool stalled = n == 1;
    EXPECT_EQ(results[n].exitCode, stalled ? 4 : 0) << MachineName(n) << ": " << results[n].err;
    EXPECT_EQ(json["axes.X"], "passed") << MachineName(n);
    EXPECT_EQ(json["axes.Y"], stalled ? "failed" : "passed") << MachineName(n);
    EXPECT_EQ(json["axes.Z"], "passed") << MachineName(n);
    EXPECT_EQ(json["machine"], MachineName(n));
  }
  EXPECT_NE(results[1].err.find("hvx40ctl loadcheck: axis Y failed: the axis did not reach its "
                                "limit sensor"),
            std::string::npos)
      << results[1].err;
}

// The README's rack batch file, as written, by cmd.exe: every machine at once, then the table.
std::string ReadmeRackBatch() {
  std::ifstream file(std::string("Z:") + HVX_README, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const std::string readme = text.str();
  const std::string start = "```bat\n";
  size_t at = readme.find(start);
  at = at == std::string::npos ? at : readme.find(start, at + 1);
  if (at == std::string::npos) return std::string();
  const size_t body = at + start.size();
  std::string batch = readme.substr(body, readme.find("```\n", body) - body);
  std::string crlf;
  for (char c : batch) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

TEST_F(Rack, TheReadmeRackBatchFileRunsEveryMachineAtOnceAndPrintsTheTable) {
  std::string folder = TempPath("hvx_rack");
  CreateDirectoryA(folder.c_str(), nullptr);
  folder += "\\";
  const std::string batch = ReadmeRackBatch();
  ASSERT_NE(batch.find("start \"\" /b"), std::string::npos) << "no rack batch file in the README";
  ASSERT_TRUE(WriteBytes(folder + "rack.bat", batch));
  char path[32768];
  GetEnvironmentVariableA("PATH", path, sizeof path);
  SetEnvironmentVariableA("PATH", (ProgramFolder() + ";" + path).c_str());
  ASSERT_TRUE(emulators_[2].Send("cover open"));  // this one cannot run: it fails, the rest pass

  CtlResult r = RunCaptured("cmd.exe /c rack.bat", folder, 300000);
  EXPECT_EQ(r.exitCode, 4) << r.out << r.err;
  EXPECT_NE(r.out.find("Machine              Serial    Verdict   Exit code\r\n"), std::string::npos)
      << r.out;
  for (int n = 0; n < kMachines; ++n) {
    std::string row = MachineName(n);
    row.resize(21, ' ');
    row += n == 2 ? "HVX0001   failed    4\r\n" : "HVX0001   passed    0\r\n";
    EXPECT_NE(r.out.find(row), std::string::npos) << row << " in:\n" << r.out;
    EXPECT_EQ(CountContaining(Starting(journals_[n].Lines(), "W 0263"), kFarCornerX),
              n == 2 ? 0u : 20u)
        << MachineName(n);
  }
}

}  // namespace
