#include <cstdio>
#include <fstream>

#include "support/temp_path.h"
#include "machine_host.h"

namespace {

class UpdateTest : public EmulatorTest {
 protected:
  ~UpdateTest() override { std::remove(path_.c_str()); }
  void EnterUpdateMode() { host_.Write(kCmdEnterUpdateMode, {0}); }
  bool HandImage(const std::string& content) {
    std::ofstream(path_, std::ios::binary) << content;
    return machine_.OutputFile(path_);
  }
  uint32_t Phase() { return host_.ReadStatus().state >> 24 & 0x0F; }
  uint32_t Progress() { return host_.ReadStatus().state >> 16 & 0xFF; }
  // Every phase seen, polled each quarter second until the update ends.
  std::vector<uint32_t> FollowPhases() {
    std::vector<uint32_t> seen;
    for (int poll = 0; poll < 40; ++poll) {
      uint32_t phase = Phase();
      if (seen.empty() || seen.back() != phase) seen.push_back(phase);
      if (phase == 6 || phase >= 8) break;
      clock_.Sleep(250);
    }
    return seen;
  }
  std::string path_ = TestTempPath("hvx40sim_update_image.rfw");
};

TEST_F(UpdateTest, GoodImageRunsThroughAllPhasesToFinished) {
  EnterUpdateMode();
  Status status = host_.ReadStatus();
  EXPECT_EQ(0x81000000u, status.state);
  EXPECT_EQ(0u, status.handshake);  // taken at once, nothing to accept
  ASSERT_TRUE(HandImage("RFW image"));
  EXPECT_EQ((std::vector<uint32_t>{2, 3, 4, 5, 6}), FollowPhases());
  EXPECT_EQ(0x86640000u, host_.ReadStatus().state);
}

TEST_F(UpdateTest, ProgressGrowsAndPassesEightyFiveOnlyNearTheEnd) {
  EnterUpdateMode();
  ASSERT_TRUE(HandImage("RFW image"));
  uint32_t last = 0;
  for (int step = 0; step <= 40; ++step) {
    uint32_t progress = Progress();
    EXPECT_GE(progress, last);
    if (Phase() < 5) {
      EXPECT_LT(progress, 85u);
    }
    last = progress;
    clock_.Sleep(100);
  }
  EXPECT_EQ(100u, last);
}

TEST_F(UpdateTest, RefusedImagesEndInTheirErrorPhaseBeforeProgressEightyFive) {
  struct Case {
    const char* content;
    uint32_t phase;
  };
  for (const Case& refused : {Case{"", 9}, Case{"BAD image", 9}, Case{"BADFIRM", 8},
                              Case{"BADDELETE", 10}, Case{"BADWRITE", 11}, Case{"BADVERIFY", 12}}) {
    SCOPED_TRACE(refused.content);
    machine_.Restart();
    EnterUpdateMode();
    ASSERT_TRUE(HandImage(refused.content));
    EXPECT_EQ(refused.phase, FollowPhases().back());
    EXPECT_LT(Progress(), 85u);
    clock_.Sleep(5000);
    EXPECT_EQ(refused.phase, Phase());
  }
}

TEST_F(UpdateTest, ReconnectingLeavesUpdateModeOnlyAfterTheInstallation) {
  EnterUpdateMode();
  machine_.ClientDisconnected();
  host_.Read(kCmdProtocolCheck, 4);
  EXPECT_EQ(0x81000000u, host_.ReadStatus().state);  // still waiting for an image
  ASSERT_TRUE(HandImage("RFW image"));
  clock_.Sleep(1000);
  machine_.ClientDisconnected();  // still installing: nothing happens
  EXPECT_EQ(8u, host_.ReadStatus().state >> 28);
  clock_.Sleep(5000);
  machine_.ClientDisconnected();
  EXPECT_EQ(2u, host_.ReadStatus().state);

  EnterUpdateMode();
  ASSERT_TRUE(HandImage("BAD"));
  clock_.Sleep(5000);
  host_.Read(kCmdProtocolCheck, 4);
  EXPECT_EQ(2u, host_.ReadStatus().state);
}

TEST_F(UpdateTest, UpdateModeRefusesMotionSpindleASecondImageAndARestart) {
  EXPECT_FALSE(machine_.OutputFile(path_ + ".missing"));
  ASSERT_TRUE(HandImage("!mc0;\r\n"));  // outside update mode: a cutting job
  EXPECT_EQ(1u, machine_.jobsReceived());
  EXPECT_EQ(path_, machine_.lastJobPath());
  EXPECT_EQ(2u, host_.ReadStatus().state);
  EnterUpdateMode();
  EXPECT_FALSE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 100, 0, 0)));
  EXPECT_FALSE(host_.Send(kCmdSetSpindleSpeed, host_.Words32({7000})));
  EXPECT_EQ("0102", host_.QueryText(0x0101));
  ASSERT_TRUE(HandImage("RFW image"));
  EXPECT_FALSE(HandImage("RFW image"));
  EnterUpdateMode();
  EXPECT_TRUE(host_.ReadStatus().error());
}

}  // namespace
