// A plain main for the fuzz targets: every file named, and every file in every folder named,
// goes once through the target's entry point, in name order. A sanitizer report ends the
// process; an empty corpus fails, so that a misnamed folder cannot pass for a clean replay.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> InputsOf(const fs::path& argument) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(argument)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
  } else if (fs::is_regular_file(argument)) {
    inputs.push_back(argument);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& path : InputsOf(argv[i])) {
      std::ifstream file(path, std::ios::binary);
      const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
      std::printf("replaying %s (%zu bytes)\n", path.string().c_str(), bytes.size());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %d inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
