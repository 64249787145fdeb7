// The two test-cut programs the tool carries must reach the machine byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadResource(const std::string& name) {
  std::ifstream file(std::string(HVX_RESOURCES_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Start, a plunge at the origin, a plunge at the second point, back to the origin, then the
// seven empty lines the machine expects.
std::string Program(const std::string& point) {
  std::string bytes = "!mc0;\r\n!vz1;\r\npu0,1000;\r\n!rc7000;\r\n!mc1;\r\n";
  for (const std::string& at : {std::string("0,0"), point}) {
    bytes += "!vz10;!zz" + at + ", 0 ;\r\n!vz1;!zz" + at + ",-10 ;\r\n!vz10;!zz" + at +
             ", 0 ;\r\n!vz1;!zz" + at + ",-500 ;\r\n!vz10;!zz" + at + ", 0 ;\r\n";
  }
  return bytes + "!vz10;!zz0,0, 0 ;\r\n!mc0;\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
}

TEST(CutData, TheXAndYProgramsCutTwoPointsAlongXAndMinusY) {
  const std::string x = ReadResource("cutdata_x.bin");
  EXPECT_EQ(294u, x.size());
  EXPECT_EQ(Program("10000,0"), x);
  const std::string y = ReadResource("cutdata_y.bin");
  EXPECT_EQ(299u, y.size());
  EXPECT_EQ(Program("0,-10000"), y);
}

}  // namespace
