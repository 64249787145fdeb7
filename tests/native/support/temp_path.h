// A file name in the temporary folder that belongs to the running test alone: CTest runs the
// cases of one test program side by side in separate processes, so a fixed name would be
// written by two cases at once.
#pragma once

#include <gtest/gtest.h>

#include <string>

inline std::string TestTempPath(const std::string& name) {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return testing::TempDir() + info->test_suite_name() + "." + info->name() + "." + name;
}
