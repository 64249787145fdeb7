// loadcheck and ageing on a fake machine whose moves end at once: the page's own commands,
// currents and park position reach the machine; each axis gets its verdict; the run's end, a
// refusal and Ctrl+C each give their exit code, their line and their log entry.
#include <algorithm>

#include "cli_fixture.h"
#include "support/json_reader.h"
#include "../../../cli/axis_test_seams.h"

using namespace hvxtest;
using testing::_;

namespace {

// Axes that carry too much load stop half-way; Ctrl+C can be pressed at a given move.
struct MovingMachine {
  AxisVector position{{5000, 6000, 0, 0, 0, 0}};
  std::vector<std::string> moves;
  std::vector<int> stalledAxes;   // kAxisX ...
  size_t interruptAtMove = 0;     // 1-based; 0 for never
  CInterrupt* interrupt = nullptr;
  uint32_t state = 2;
  int movingReads = 0;  // status reads that still show the last move running
  size_t silentFromMove = 0;  // 1-based: after this move's first status read none is answered
  int silentReads = 0;

  void Moved(const std::string& move) {
    moves.push_back(move);
    movingReads = 2;
    if (interrupt != nullptr && moves.size() == interruptAtMove) interrupt->Request();
  }
  void Script(FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, GetStatus(_, _)).WillByDefault([this](uint32_t* s, uint32_t* h) {
      // Silent for ten minutes of 100 ms polls, so that a wait with no end of its own fails
      // the test instead of hanging it.
      if (silentFromMove != 0 && moves.size() >= silentFromMove && movingReads < 2 &&
          ++silentReads <= 6000) {
        return 0;
      }
      const uint32_t moving = movingReads > 0 ? 0x800 : 0;
      if (movingReads > 0) --movingReads;
      return ReturnStatus(state | moving)(s, h);
    });
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault([this](AxisVector* out) {
      *out = position;
      return true;
    });
    ON_CALL(fake, MoveTo(_, _)).WillByDefault([this](const AxisVector* target, int speed) {
      position = *target;
      Moved("MoveTo " + std::to_string(target->value[0]) + "," + std::to_string(target->value[1]) +
            "," + std::to_string(target->value[2]) + " @" + std::to_string(speed));
      return true;
    });
    for (int axis : {kAxisX, kAxisY, kAxisZ}) ScriptAxis(fake, axis);
    ON_CALL(fake, GetInputState()).WillByDefault([this] {
      return (position.value[0] == -2500 ? 1 : 0) | (position.value[1] == 154900 ? 2 : 0) |
             (position.value[2] == 2500 ? 4 : 0);
    });
    ON_CALL(fake, StopMotion()).WillByDefault([this] {
      moves.push_back("StopMotion");
      return true;
    });
    ON_CALL(fake, SetSpindleSpeed(_)).WillByDefault([this](int rpm) {
      moves.push_back("Spindle " + std::to_string(rpm));
      return true;
    });
  }
  void ScriptAxis(FakeController& fake, int axis) {
    auto move = [this, axis](int target, int speed, int current) {
      const bool stalls = std::count(stalledAxes.begin(), stalledAxes.end(), axis) != 0;
      position.value[axis] = stalls ? target / 2 : target;
      Moved(std::string(1, static_cast<char>('X' + axis)) + " " + std::to_string(target) + " @" +
            std::to_string(speed) + " " + std::to_string(current) + "%");
      return true;
    };
    if (axis == kAxisX) ON_CALL(fake, MoveAxisX(_, _, _)).WillByDefault(move);
    if (axis == kAxisY) ON_CALL(fake, MoveAxisY(_, _, _)).WillByDefault(move);
    if (axis == kAxisZ) ON_CALL(fake, MoveAxisZ(_, _, _)).WillByDefault(move);
  }
};

class CliAxisTests : public CliFixture {
 protected:
  CliAxisTests() {
    machine.interrupt = &interrupt;
    script = [this](FakeController& fake) { machine.Script(fake); };
  }
  std::vector<std::string> LogMessages() const {
    std::vector<std::string> messages;
    for (const std::string& line : LogLines()) messages.push_back(line.substr(20));
    return messages;
  }
  MovingMachine machine;
};

const char kEntry[] = "hvx40ctl [HVX-A] [HVX0001] ";

TEST_F(CliAxisTests, LoadCheckDrivesEachAxisWithThePagesMovesAndGivesEachVerdict) {
  machine.stalledAxes = {kAxisY};
  EXPECT_EQ(Run({"loadcheck", "--current", "70"}), 4);
  const std::vector<std::string> park = {"MoveTo 5000,6000,0 @1000", "MoveTo 5000,152400,0 @1000",
                                         "MoveTo 0,152400,0 @1000"};
  EXPECT_EQ(std::vector<std::string>(machine.moves.begin(), machine.moves.begin() + 6),
            (std::vector<std::string>{park[0], park[1], park[2], "X 203200 @1000 70%",
                                      "X -2500 @1000 70%", "MoveTo 0,152400,0 @1000"}));
  const auto has = [this](const std::string& move) {
    return std::count(machine.moves.begin(), machine.moves.end(), move) == 1;
  };
  EXPECT_TRUE(has("Y 0 @1000 70%") && has("Y 154900 @1000 70%"));
  EXPECT_TRUE(has("Z -60500 @1000 70%") && has("Z 2500 @1000 70%")) << "checked after Y failed";
  EXPECT_EQ(console.out,
            "Load check X passed: the axis reached its limit sensor\n"
            "Load check Y failed: the axis did not reach its limit sensor\n"
            "Load check Z passed: the axis reached its limit sensor\n");
  const std::vector<std::string> err = ErrLines();
  ASSERT_EQ(err.size(), 4u) << console.err;
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_EQ(err[axis].substr(0, 34),
              "loadcheck: axis " + std::string(1, static_cast<char>('X' + axis)) +
                  "   Elapsed time: ");
  }
  EXPECT_EQ(err[3],
            "hvx40ctl loadcheck: axis Y failed: the axis did not reach its limit sensor; the "
            "machine was returned to the park position");
  const std::vector<std::string> log = LogMessages();
  EXPECT_EQ(log.front(), kEntry + std::string("LoadChecked X"));
  EXPECT_NE(std::find(log.begin(), log.end(),
                      kEntry + std::string("Load check Y failed: the axis did not reach its limit sensor")),
            log.end());
  EXPECT_EQ(log.back(), kEntry + std::string("loadcheck --current 70: failed: axis Y failed: the "
                                             "axis did not reach its limit sensor; the machine "
                                             "was returned to the park position"));
}

TEST_F(CliAxisTests, LoadCheckOfOneAxisAsJsonAndItsOptionsRules) {
  CJsonReader json;
  EXPECT_EQ(Run({"loadcheck", "--axis", "z", "--json"}), 0);
  ASSERT_TRUE(json.Parse(console.out)) << console.out;
  EXPECT_EQ(json["current"], "50");
  EXPECT_EQ(json["axes.Z"], "passed");
  EXPECT_FALSE(json.Has("axes.X"));
  EXPECT_EQ(machine.moves[3], "Z -60500 @1000 50%");
  EXPECT_EQ(std::count_if(machine.moves.begin(), machine.moves.end(),
                          [](const std::string& m) { return m[0] == 'X' || m[0] == 'Y'; }),
            0);

  for (auto args : std::vector<std::vector<std::string>>{{"loadcheck", "--current", "80"},
                                                         {"loadcheck", "--axis", "a"},
                                                         {"loadcheck", "--cycles", "3"},
                                                         {"status", "--axis", "x"},
                                                         {"loadcheck", "--current"},
                                                         {"loadcheck", "--spindle=1"}}) {
    console.err.clear();
    EXPECT_EQ(Run(args), 2) << args.back();
  }
  EXPECT_EQ(console.err, "hvx40ctl: --spindle takes no value; nothing was done\n");
}

TEST_F(CliAxisTests, AgeingRunsItsCyclesThenWindsDownAndParks) {
  EXPECT_EQ(Run({"ageing", "--cycles", "2", "--spindle"}), 0);
  const std::string park = "MoveTo 0,152400,0 @3000", corner = "MoveTo 203200,0,-60500 @3000";
  EXPECT_EQ(machine.moves,
            (std::vector<std::string>{"MoveTo 5000,6000,0 @3000", "MoveTo 5000,152400,0 @3000",
                                      park, "Spindle 7000", park, corner, park, corner, park,
                                      "StopMotion", "Spindle 0", park, park, park}));
  EXPECT_EQ(console.out, "Ageing ended after 2 cycles: the planned run was complete\n");
  const std::vector<std::string> log = LogMessages();
  EXPECT_EQ(log, (std::vector<std::string>{
                     kEntry + std::string("Aiging"),
                     kEntry + std::string("Ageing ended after 2 cycles: the planned run was complete"),
                     kEntry + std::string("ageing --cycles 2 --spindle: done")}));

  for (auto args : std::vector<std::vector<std::string>>{{"ageing"},
                                                         {"ageing", "--cycles", "2", "--minutes", "1"},
                                                         {"ageing", "--cycles", "0"},
                                                         {"ageing", "--minutes", "x"}}) {
    EXPECT_EQ(Run(args), 2);
  }
}

TEST_F(CliAxisTests, AgeingOfSomeMinutesEndsAtTheFirstParkAfterThem) {
  clock.advancePerReading = 1000;  // every look at the clock is a second later
  CJsonReader json;
  EXPECT_EQ(Run({"ageing", "--minutes", "1", "--json"}), 0);
  ASSERT_TRUE(json.Parse(console.out)) << console.out;
  EXPECT_NE(json["cycles"], "0");
  EXPECT_EQ(json["ended"], "the planned run was complete");
  EXPECT_EQ(json["parked"], "true");
  EXPECT_EQ(machine.moves.back(), "MoveTo 0,152400,0 @3000");
}

// Ctrl+C during a test is the tool's Cancel: motion and spindle stop at once, the ageing parks,
// and the program says it stopped a machine that had moved.
TEST_F(CliAxisTests, CtrlCStopsMotionAndSpindleAndEndsWithSeven) {
  machine.interruptAtMove = 5;  // on the way to the corner in the first cycle
  EXPECT_EQ(Run({"ageing", "--cycles", "50"}), 7);
  const auto stop = std::find(machine.moves.begin(), machine.moves.end(), "StopMotion");
  ASSERT_NE(stop, machine.moves.end());
  EXPECT_EQ(*(stop - 1), "MoveTo 203200,0,-60500 @3000");
  EXPECT_EQ(*(stop + 1), "Spindle 0");
  EXPECT_EQ(machine.moves.back(), "MoveTo 0,152400,0 @3000");
  EXPECT_EQ(ErrLines().back(),
            "hvx40ctl ageing: stopped by Ctrl+C after the machine had moved; motion and spindle "
            "were stopped after 0 cycles and the machine returned to the park position");

}

TEST_F(CliAxisTests, CtrlCDuringALoadCheckStopsWhereTheMachineStandsAndChecksNoFurtherAxis) {
  machine.interruptAtMove = 4;  // during the X check
  EXPECT_EQ(Run({"loadcheck"}), 7);
  EXPECT_EQ(machine.moves.back(), "Spindle 0") << "the load check does not park after a cancel";
  EXPECT_EQ(*(machine.moves.end() - 2), "StopMotion");
  EXPECT_EQ(std::count_if(machine.moves.begin(), machine.moves.end(),
                          [](const std::string& m) { return m[0] == 'Y' || m[0] == 'Z'; }),
            0);
  CJsonReader json;
  ASSERT_TRUE(json.Parse("{}"));
  EXPECT_EQ(LogMessages().back(),
            kEntry + std::string("loadcheck: failed: stopped by Ctrl+C after the machine had "
                                 "moved; motion and spindle were stopped where the machine stood"));
}

// Unattended, a machine lost in the middle of a motion must not hold the rack for ever.
TEST_F(CliAxisTests, AMachineThatStopsAnsweringDuringALoadCheckFailsItAfterAMinute) {
  machine.silentFromMove = 4;  // the X axis's first drive
  EXPECT_EQ(Run({"loadcheck"}), 4);
  EXPECT_EQ(ErrLines().back(),
            "hvx40ctl loadcheck: axis X failed: the machine stopped answering; the machine stands "
            "where it stopped");
  EXPECT_GE(clock.now, 1000u + kSilentMachineLimitMs);
  EXPECT_LT(clock.now, 1000u + 2 * kSilentMachineLimitMs);
}

TEST_F(CliAxisTests, AMachineNotReadyForAJobIsRefusedWithoutMoving) {
  machine.state = 3;  // busy
  for (const char* command : {"loadcheck", "ageing"}) {
    console.err.clear();
    EXPECT_EQ(command == std::string("ageing") ? Run({command, "--cycles", "1"}) : Run({command}), 4);
    EXPECT_EQ(console.err, "hvx40ctl " + std::string(command) +
                               ": the machine is not ready for a job (busy, moving or in an error "
                               "state); nothing was moved\n");
  }
  EXPECT_TRUE(machine.moves.empty());
}

}  // namespace
