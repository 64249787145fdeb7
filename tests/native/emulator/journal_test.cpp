#include <cstdio>
#include <fstream>

#include "support/temp_path.h"
#include "machine_host.h"

namespace {

class JournalTest : public EmulatorTest {
 protected:
  JournalTest() {
    EXPECT_TRUE(machine_.journal().Open(path_));
  }
  ~JournalTest() override {
    machine_.journal().Close();
    std::remove(path_.c_str());
    std::remove(file_.c_str());
  }
  std::vector<std::string> Lines() {
    std::ifstream in(path_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::string path_ = TestTempPath("hvx40sim_journal.txt");
  std::string file_ = TestTempPath("hvx40sim journal job.prn");
};

TEST_F(JournalTest, ControlTransfersAreWrittenAsTheyArrive) {
  host_.Write(kCmdMoveAxisX, host_.AxisRecord(80, 1000, 203200));
  EXPECT_EQ((std::vector<std::string>{"W 0350 5000e803c0190300"}), Lines());  // flushed at once
  host_.Write(kCmdStopMotion);
  host_.Read(kCmdStatus, 8);
  machine_.ControlIn(0xA1, 0, 0, 4092);
  machine_.ClientOutOfStep();
  EXPECT_EQ((std::vector<std::string>{"W 0350 5000e803c0190300", "W 0273", "R 0001 8", "ID",
                                      "STEP"}),
            Lines());
}

TEST_F(JournalTest, BulkTransfersAndFilesAreWritten) {
  const uint8_t out[] = {0xAB, 0x01};
  machine_.BulkOut(out, sizeof out);
  ASSERT_TRUE(host_.Send(kCmdArea1Read));
  machine_.BulkIn(1000);
  machine_.BulkIn(1000);  // 24 left
  machine_.BulkIn(1000);  // nothing left: not written
  std::ofstream(file_, std::ios::binary) << "!mc0;\r\n";
  ASSERT_TRUE(machine_.OutputFile(file_));
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(7u, lines.size());
  EXPECT_EQ("BO ab01", lines[0]);
  EXPECT_EQ("W 02f1", lines[1]);
  EXPECT_EQ("BI 1000", lines[4]);
  EXPECT_EQ("BI 24", lines[5]);
  EXPECT_EQ("F " + file_ + " 216d63303b0d0a", lines[6]);
}

TEST_F(JournalTest, AStampedJournalBeginsEachLineWithTheClocksMilliseconds) {
  machine_.journal().StampWith(&clock_);
  const uint32_t before = clock_.TickCount();
  host_.Write(kCmdStopMotion);
  clock_.Sleep(1234);
  host_.Write(kCmdStopMotion);
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ(std::to_string(before) + " W 0273", lines[0]);
  EXPECT_EQ(std::to_string(before + 1234) + " W 0273", lines[1]);
}

}  // namespace
