// Two processes using the same emulated device: the per-device lock keeps each command exchange
// whole, so the machine never sees one client's query cut into by the other's.
#include "e2e_fixture.h"

#include "second_client.h"

namespace {

// Every query written must have its reply read (0x0003) before the next one is written.
::testing::AssertionResult NoExchangeInterleaved(const std::vector<std::string>& lines) {
  std::string open;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.compare(0, 2, "W ") == 0) {
      if (!open.empty()) {
        return ::testing::AssertionFailure()
               << "line " << i << " \"" << line << "\" cuts into \"" << open << "\"";
      }
      open = line;
    } else if (line.compare(0, 7, "R 0003 ") == 0) {
      open.clear();
    }
  }
  return ::testing::AssertionSuccess();
}

size_t Switches(const std::vector<std::string>& writes) {
  size_t switches = 0;
  for (size_t i = 1; i < writes.size(); ++i) switches += writes[i] != writes[i - 1];
  return switches;
}

TEST_F(EmulatorTest, ASecondProcessIsSerialisedByThePerDeviceLock) {
  const DWORD kRunMs = 3000;
  std::string self = ProgramFolder() + "e2e_tests.exe";
  std::string command = QuoteArgument(self) + " " + kSecondClientOption + " " +
                        std::to_string(kRunMs);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION second = {};
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &second));
  CloseHandle(second.hThread);

  int failures = 0;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < kRunMs + 1000) {
    if (library.control->GetSpindleSpeed() < 0) ++failures;
  }
  ASSERT_EQ(WaitForSingleObject(second.hProcess, 30000), WAIT_OBJECT_0);
  DWORD secondFailures = 1;
  GetExitCodeProcess(second.hProcess, &secondFailures);
  CloseHandle(second.hProcess);

  EXPECT_EQ(failures, 0);
  EXPECT_EQ(secondFailures, 0u);
  std::vector<std::string> lines = journal.LinesSinceMark();
  std::vector<std::string> writes = LinesStarting(lines, "W ");
  EXPECT_GE(LinesStarting(lines, "W 023a").size(), 5u);
  EXPECT_GE(LinesStarting(lines, "W 3000").size(), 5u);
  EXPECT_GE(Switches(writes), 4u);  // the two clients really took turns
  EXPECT_TRUE(NoExchangeInterleaved(lines));
}

}  // namespace
