#include <gtest/gtest.h>

#include <cstring>

#include "lock_roles.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--lock-role") == 0) return RunLockRole(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
