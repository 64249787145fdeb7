// The two test-cut programs the tool carries must reach the machine byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string ReadResource(const char* name) {
  std::ifstream file(std::string(HVX_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Program(const std::vector<std::string>& commands) {
  std::string bytes;
  for (const std::string& line : commands) bytes += line + "\r\n";
  for (int i = 0; i < 7; ++i) bytes += "\r\n";
  return bytes;
}

TEST(CutData, XProgramCutsTwoPointsAlongX) {
  const std::string expected = Program({
      "!mc0;", "!vz1;", "pu0,1000;", "!rc7000;", "!mc1;",
      "!vz10;!zz0,0, 0 ;", "!vz1;!zz0,0,-10 ;", "!vz10;!zz0,0, 0 ;", "!vz1;!zz0,0,-500 ;",
      "!vz10;!zz0,0, 0 ;",
      "!vz10;!zz10000,0, 0 ;", "!vz1;!zz10000,0,-10 ;", "!vz10;!zz10000,0, 0 ;",
      "!vz1;!zz10000,0,-500 ;", "!vz10;!zz10000,0, 0 ;",
      "!vz10;!zz0,0, 0 ;", "!mc0;"});
  const std::string actual = ReadResource("cutdata_x.bin");
  EXPECT_EQ(294u, actual.size());
  EXPECT_EQ(expected, actual);
}

TEST(CutData, YProgramCutsTwoPointsAlongMinusY) {
  const std::string expected = Program({
      "!mc0;", "!vz1;", "pu0,1000;", "!rc7000;", "!mc1;",
      "!vz10;!zz0,0, 0 ;", "!vz1;!zz0,0,-10 ;", "!vz10;!zz0,0, 0 ;", "!vz1;!zz0,0,-500 ;",
      "!vz10;!zz0,0, 0 ;",
      "!vz10;!zz0,-10000, 0 ;", "!vz1;!zz0,-10000,-10 ;", "!vz10;!zz0,-10000, 0 ;",
      "!vz1;!zz0,-10000,-500 ;", "!vz10;!zz0,-10000, 0 ;",
      "!vz10;!zz0,0, 0 ;", "!mc0;"});
  const std::string actual = ReadResource("cutdata_y.bin");
  EXPECT_EQ(299u, actual.size());
  EXPECT_EQ(expected, actual);
}

}  // namespace
