// The end-to-end tests, or, started with the second-client option, the other client of the
// two-process test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "second_client.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kSecondClientOption) == 0) {
    return RunSecondClient(std::strtoul(argv[2], nullptr, 10));
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
