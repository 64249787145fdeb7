#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "support/temp_path.h"
#include "control_channel.h"
#include "machine_host.h"
#include "sim_options.h"
#include "state_dump.h"

namespace {

struct FakeServerSwitches : CServerSwitches {
  void SetPresent(bool on) override { present_ = on; }
  void SetFaults(const ServerFaults& faults) override { faults_ = faults; }
  bool present() const override { return present_; }
  ServerFaults faults() const override { return faults_; }
  bool present_ = true;
  ServerFaults faults_;
};

class ControlTest : public EmulatorTest {
 protected:
  ControlTest() : channel_(machine_, server_) {}
  ~ControlTest() override { std::remove(path_.c_str()); }
  bool Run(const std::string& line) { return channel_.Execute(line) == ControlResult::kDone; }
  std::map<std::string, std::string> Dump() {
    EXPECT_TRUE(Run("dump " + path_));
    std::ifstream in(path_);
    std::map<std::string, std::string> values;
    for (std::string line; std::getline(in, line);) {
      size_t equals = line.find('=');
      EXPECT_NE(std::string::npos, equals) << line;
      values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
  }
  std::string path_ = TestTempPath("hvx40sim dump.txt");  // a blank in the path
  FakeServerSwitches server_;
  CControlChannel channel_;
};

TEST_F(ControlTest, CoverAndSensorCommandsReachTheStatusAndTheInputWord) {
  ASSERT_TRUE(Run("cover open"));
  EXPECT_TRUE(host_.ReadStatus().state & kStateCoverOpen);
  EXPECT_EQ(0u, host_.QueryWord(kCmdGetInputState));
  ASSERT_TRUE(Run("cover close"));
  ASSERT_TRUE(Run("sensor y on"));
  ASSERT_TRUE(Run("sensor z on"));
  EXPECT_EQ(0x46u, host_.QueryWord(kCmdGetInputState));
  ASSERT_TRUE(Run("sensor y off"));
  EXPECT_EQ(0x44u, host_.QueryWord(kCmdGetInputState));
  for (const char* bad : {"cover ajar", "sensor a on", "sensor x maybe", "", "open the pod bay doors"})
    EXPECT_FALSE(Run(bad)) << bad;
  EXPECT_EQ(ControlResult::kQuit, channel_.Execute("quit"));
}

TEST_F(ControlTest, FaultsAndServerSwitchesAreSetByName) {
  ASSERT_TRUE(Run("fault offline on"));
  EXPECT_EQ(5u, host_.ReadStatus().state & 0x0F);
  ASSERT_TRUE(Run("fault offline off"));
  ASSERT_TRUE(Run("fault noack on"));
  EXPECT_TRUE(server_.faults().noAcknowledge);
  ASSERT_TRUE(Run("fault lateack on"));
  ASSERT_TRUE(Run("fault notready on"));
  EXPECT_TRUE(server_.faults().noAcknowledge);  // one server fault leaves the others alone
  EXPECT_TRUE(server_.faults().lateAcknowledge);
  EXPECT_TRUE(server_.faults().bulkOutHeld);
  ASSERT_TRUE(Run("fault notready off"));
  EXPECT_FALSE(server_.faults().bulkOutHeld);
  EXPECT_TRUE(server_.faults().lateAcknowledge);
  ASSERT_TRUE(Run("present off"));
  EXPECT_FALSE(server_.present());
  ASSERT_TRUE(Run("fault error on"));
  EXPECT_FALSE(host_.Send(kCmdStopMotion));
  EXPECT_FALSE(Run("fault gremlins on"));
  EXPECT_FALSE(Run("fault busy"));
}

TEST_F(ControlTest, PositionAndLoadShapeTheNextMoves) {
  ASSERT_TRUE(Run("position 1000 2000 -300"));
  int32_t p[6];
  host_.Position(p);
  EXPECT_EQ((std::vector<int32_t>{1000, 2000, -300}), std::vector<int32_t>(p, p + 3));
  EXPECT_FALSE(Run("position 1 2"));
  EXPECT_FALSE(Run("position 1 2 z"));

  ASSERT_TRUE(Run("load x 60"));
  ASSERT_TRUE(host_.Send(kCmdMoveAxisX, host_.AxisRecord(50, 1000, -2500)));
  clock_.Sleep(60000);
  EXPECT_EQ(0u, host_.QueryWord(kCmdGetInputState) & 1u);
}

TEST_F(ControlTest, DumpGivesTheStateAsKeyValueLines) {
  Run("cover open");
  Run("fault blocked on");
  host_.Send(kCmdSetSerialNumber, {'S', 'N', '7', 0});
  host_.Send(kCmdSetSpindleSpeed, host_.Words32({7000}));
  host_.Send(kCmdSetUserCompensation,
             host_.Words32({1000050, 999990, 1000000, 1000000, 1000000, 1000000}));
  std::map<std::string, std::string> values = Dump();
  EXPECT_EQ("open", values["cover"]);
  EXPECT_EQ("0x00020042", values["state_word"]);
  EXPECT_EQ("0", values["y"]);
  EXPECT_EQ("SN7", values["serial"]);
  EXPECT_EQ("7000", values["spindle_set_rpm"]);
  EXPECT_EQ("0", values["spindle_rpm"]);  // the cover is open
  EXPECT_EQ("50,-10,0", values["user_compensation"]);
  EXPECT_EQ("1", values["fault_blocked"]);
  EXPECT_EQ("0x0281", values["last_command"]);
  EXPECT_EQ("1", values["present"]);
}

TEST_F(ControlTest, JournalIsSwitchedOnAndOffAtRunTime) {
  ASSERT_TRUE(Run("journal " + path_));
  host_.Write(kCmdStopMotion);
  ASSERT_TRUE(Run("journal off"));
  host_.Write(kCmdStopMotion);
  std::ifstream in(path_);
  std::string first, second;
  std::getline(in, first);
  EXPECT_EQ("W 0273", first);
  EXPECT_FALSE(std::getline(in, second));
}

TEST(CommandLineTest, QuotedArgumentsKeepTheirBlanks) {
  EXPECT_EQ((std::vector<std::string>{"sim.exe", "/send", "cover open", "/journal", "C:\\a b\\j.txt"}),
            SplitCommandLine("sim.exe /send \"cover open\"  /journal \"C:\\a b\\j.txt\""));
  EXPECT_EQ((std::vector<std::string>{"x", ""}), SplitCommandLine("x \"\""));
}

TEST(CommandLineTest, OptionsSetTheMachineUp) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"/swap", "/report-size", "1048576", "/journal", "j.txt", "/fault",
                               "noack", "/fault", "busy", "-motion-scale", "2.5", "/absent",
                               "/cover-open", "/min-current", "70", "/update-ms", "500", "/journal-ms", "/send",
                               "dump C:\\x y.txt"},
                              options, error))
      << error;
  EXPECT_TRUE(options.machine.bigEndian);
  EXPECT_EQ(1048576u, options.machine.reportSize);
  EXPECT_EQ("j.txt", options.journalPath);
  EXPECT_TRUE(options.journalStamps);
  EXPECT_TRUE(options.serverFaults.noAcknowledge);
  EXPECT_TRUE(options.faults.busyForever);
  EXPECT_DOUBLE_EQ(2.5, options.machine.rateScale);
  EXPECT_TRUE(options.absent);
  EXPECT_TRUE(options.coverOpen);
  EXPECT_EQ(70, options.minimumCurrent);
  EXPECT_EQ(500u, options.machine.updateMs);
  EXPECT_EQ("Varnel HVX-40", options.deviceName);
  EXPECT_TRUE(options.send);
  EXPECT_EQ("dump C:\\x y.txt", options.sendCommand);
}

TEST(CommandLineTest, BadOptionsAreRefusedWithAReason) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  for (const Case& bad : {Case{{"/journal"}, "option /journal needs a value"},
                          Case{{"/report-size", "lots"}, "bad value lots for /report-size"},
                          Case{{"/motion-scale", "0"}, "bad value 0 for /motion-scale"},
                          Case{{"/fault", "gremlins"}, "unknown fault gremlins"},
                          Case{{"/loud"}, "unknown option /loud"},
                          Case{{"swap"}, "unknown option swap"}}) {
    SimOptions options;
    std::string error;
    EXPECT_FALSE(ParseSimOptions(bad.args, options, error));
    EXPECT_EQ(bad.error, error);
  }
}

}  // namespace
