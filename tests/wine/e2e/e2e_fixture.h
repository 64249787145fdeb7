// One emulator started with a journal, and the service library connected to it through the
// simulator link, for each test.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness/emulator_process.h"
#include "harness/journal_file.h"
#include "harness/service_library.h"

class EmulatorTest : public ::testing::Test {
 protected:
  EmulatorTest() : journal(TemporaryFolder() + "hvx_e2e_journal.txt") {}

  // Further emulator options of a test suite (for instance the other byte order).
  virtual std::vector<std::string> EmulatorOptions() { return {}; }

  void SetUp() override {
    std::vector<std::string> options = {"/journal", journal.path()};
    for (const std::string& option : EmulatorOptions()) options.push_back(option);
    ASSERT_TRUE(emulator.Start(options)) << "hvx40sim.exe did not come up";
    ASSERT_TRUE(library.Load()) << "HVX40ServiceAPI.dll did not load";
    ASSERT_TRUE(library.control->ConnectSimulator(0));
    journal.Mark();
  }

  void TearDown() override {
    library.Unload();  // disconnects first, so the emulator's block is let go
    emulator.Stop();
  }

  static std::string TemporaryFolder() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder;
  }

  // Milliseconds that one call took.
  template <typename Call>
  static DWORD Timed(Call call) {
    DWORD start = GetTickCount();
    call();
    return GetTickCount() - start;
  }

  // A short move from wherever the machine stands, so that it ends within a second.
  AxisVector NearbyTarget(int32_t dx, int32_t dz) {
    AxisVector start = {};
    EXPECT_TRUE(library.control->GetCurrentPosition(&start));
    start.value[0] += dx;
    start.value[2] -= dz;
    journal.Mark();
    return start;
  }

  // Polls the position until the machine stands at the target, for at most 10 s.
  ::testing::AssertionResult WaitForPosition(const AxisVector& target) {
    AxisVector now = {};
    for (int i = 0; i < 200; ++i) {
      if (library.control->GetCurrentPosition(&now) &&
          std::memcmp(now.value, target.value, sizeof now.value) == 0) {
        return ::testing::AssertionSuccess();
      }
      Sleep(50);
    }
    return ::testing::AssertionFailure() << "the machine stands at " << now.value[0] << ", "
                                         << now.value[1] << ", " << now.value[2];
  }

  CJournalFile journal;
  CEmulatorProcess emulator;
  CServiceLibrary library;
};

// The lines of a journal that begin with the prefix.
inline std::vector<std::string> LinesStarting(const std::vector<std::string>& lines,
                                              const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
  }
  return found;
}
