#include <gtest/gtest.h>

#include "jog_control.h"
#include "jog_tooltips.h"
#include "main_control_ids.h"
#include "main_test_doubles.h"

using hvxtest::AxesAre;
using hvxtest::ReturnPosition;
using hvxtest::ReturnStatus;
using hvxtest::ReturnStatusNotRead;
using testing::_;
using testing::ElementsAre;
using testing::InSequence;
using testing::IsEmpty;
using testing::NiceMock;
using testing::Return;

namespace {

constexpr int kHeld = 0x26C;
constexpr int kReleasedOver = 0x208;
constexpr int kReleasedAway = 0x008;

class JogTest : public testing::Test {
 protected:
  JogTest() : jog([this] { return &fake; }, log, messages) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, MoveTo(_, _)).WillByDefault(Return(true));
  }

  void MachineAt(std::initializer_list<int32_t> position) {
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition(position));
  }

  // Button states with one jog button (by scan index) in the given state.
  static JogButtonStates With(int index, int state) {
    JogButtonStates states{};
    states[static_cast<size_t>(index)] = state;
    return states;
  }

  NiceMock<CFakeHVXController> fake;
  CRecordingLog log;
  CRecordingMessages messages;
  CJogControl jog;
};

struct JogCase {
  JogMove move;
  StepRadios radios;
  std::vector<int32_t> from;
  std::vector<int32_t> to;
  int speed;
  const char* line;
};

// The first values as given, then two further values that a jog must carry unchanged.
AxisVector WithUntouchedAxes(const std::vector<int32_t>& first) {
  AxisVector v{};
  for (size_t i = 0; i < first.size(); ++i) v.value[i] = first[i];
  v.value[4] = 55;
  v.value[5] = -66;
  return v;
}

}  // namespace

TEST_F(JogTest, StepsMoveOneAxisWithinTheTravelAndLogTheMove) {
  const JogCase cases[] = {
      {JogMove::XPlus, OneStep(), {1000, 2, -3}, {1010, 2, -3}, 100, "MoveTools X+"},
      {JogMove::XPlus, OneStep(), {203200, 0, 0}, {203200, 0, 0}, 100, "MoveTools X+"},
      {JogMove::XPlus, HundredStep(), {202500, 7, 0}, {203200, 7, 0}, 1000, "MoveTools X+"},
      {JogMove::XMinus, TenStep(), {60, 0, 0}, {0, 0, 0}, 100, "MoveTools X-"},
      {JogMove::YPlus, HundredStep(), {0, 151900, 0}, {0, 152400, 0}, 1000, "MoveTools Y+"},
      {JogMove::YMinus, HundredStep(), {0, 50, 0}, {0, 0, 0}, 1000, "MoveTools Y-"},
      {JogMove::ZPlus, TenStep(), {0, 0, -5}, {0, 0, 0}, 100, "MoveTools Z+"},
      {JogMove::ZMinus, HundredStep(), {0, 0, -60000}, {0, 0, -60500}, 1000, "MoveTools Z-"},
      {JogMove::ZMinus, OneStep(), {0, 0, -100}, {0, 0, -110}, 100, "MoveTools Z-"},
      {JogMove::APlus, OneStep(), {1, 2, 3, 400}, {1, 2, 3, 450}, 100, "MoveTools A+"},
      {JogMove::AMinus, HundredStep(), {1, 2, 3, 400}, {1, 2, 3, -600}, 1000, "MoveTools A-"},
  };
  for (const JogCase& c : cases) {
    SCOPED_TRACE(c.line);
    log.lines.clear();
    AxisVector start = WithUntouchedAxes(c.from);
    EXPECT_CALL(fake, GetCurrentPosition(_)).WillOnce([start](AxisVector* out) {
      *out = start;
      return true;
    });
    AxisVector target = WithUntouchedAxes(c.to);
    std::vector<int32_t> to(target.value, target.value + 6);
    EXPECT_CALL(fake, MoveTo(AxesAre(to), c.speed)).WillOnce(Return(true));
    jog.Jog(c.move, c.radios);
    EXPECT_THAT(log.lines, ElementsAre(c.line));
    testing::Mock::VerifyAndClearExpectations(&fake);
  }
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(JogTest, ReadsStatusThenPositionThenMoves) {
  MachineAt({0, 0, 0});
  InSequence order;
  EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(kReady));
  EXPECT_CALL(fake, GetCurrentPosition(_)).WillOnce(ReturnPosition({0, 0, 0}));
  EXPECT_CALL(fake, MoveTo(_, _)).WillOnce(Return(true));
  jog.Jog(JogMove::XPlus, TenStep());
}

TEST_F(JogTest, MachineNotReadyOrMovingRefusesSilently) {
  MachineAt({0, 0, 0});
  EXPECT_CALL(fake, GetCurrentPosition(_)).Times(0);
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  for (uint32_t state : {1u, 3u, 4u, 5u, 9u, 11u, 12u, 15u, 0x802u, 0x800u, 0x808u, 0x80Au}) {
    EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(state));
    jog.Jog(JogMove::YPlus, OneStep());
  }
  EXPECT_THAT(log.lines, IsEmpty());
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(JogTest, IdleAndReadyStatesAllowTheJog) {
  MachineAt({0, 0, 0});
  EXPECT_CALL(fake, MoveTo(_, _)).Times(4).WillRepeatedly(Return(true));
  for (uint32_t state : {0u, 2u, 8u, 10u}) {
    EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(state | kCoverOpen));
    jog.Jog(JogMove::YPlus, OneStep());
  }
  EXPECT_EQ(4u, log.lines.size());
}

TEST_F(JogTest, FailedStatusReadMovesNothingButStillLogs) {
  EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatusNotRead());
  EXPECT_CALL(fake, GetCurrentPosition(_)).Times(0);
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  jog.Jog(JogMove::ZMinus, OneStep());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools Z-"));
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(JogTest, FailuresShowTheirMessageAndLogNothing) {
  EXPECT_CALL(fake, GetCurrentPosition(_))
      .WillOnce(Return(false))
      .WillRepeatedly(ReturnPosition({0, 0, 0}));
  jog.Jog(JogMove::XPlus, OneStep());

  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  jog.Jog(JogMove::XPlus, NoneChecked());
  EXPECT_TRUE(jog.StepMode()) << "no entry chosen, the mode stays";

  EXPECT_CALL(fake, MoveTo(_, _)).WillOnce(Return(false));
  jog.Jog(JogMove::XPlus, OneStep());

  EXPECT_THAT(messages.shown,
              ElementsAre("Failed to get current pos", "Select Cursor Steps", "Failed to move"));
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, ButtonClicksMapToTheirMovesAndOthersAreIgnored) {
  MachineAt({100000, 100000, -30000, 0});
  const std::pair<int, const char*> buttons[] = {
      {main_ids::kJogXPlus, "MoveTools X+"}, {main_ids::kJogXMinus, "MoveTools X-"},
      {main_ids::kJogYPlus, "MoveTools Y+"}, {main_ids::kJogYMinus, "MoveTools Y-"},
      {main_ids::kJogZPlus, "MoveTools Z+"}, {main_ids::kJogZMinus, "MoveTools Z-"},
      {main_ids::kJogAPlus, "MoveTools A+"}, {main_ids::kJogAMinus, "MoveTools A-"},
  };
  std::vector<std::string> expected;
  for (const auto& button : buttons) {
    jog.OnJogButton(button.first, OneStep());
    expected.push_back(button.second);
  }
  jog.OnJogButton(main_ids::kJogBPlus, OneStep());
  jog.OnJogButton(main_ids::kJogBMinus, OneStep());
  EXPECT_EQ(expected, log.lines);
}

TEST_F(JogTest, ClickInASpeedModeDoesNothingOnceTheTickSetTheMode) {
  jog.RunContinuous(HighSpeed(), JogButtonStates{});
  EXPECT_FALSE(jog.StepMode());
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  jog.OnJogButton(main_ids::kJogXPlus, HighSpeed());
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, HeldButtonDrivesToTheEndOfTravelAndReleaseStops) {
  MachineAt({1000, 2000, -3000});
  EXPECT_CALL(fake, StopMotion()).Times(0);
  EXPECT_CALL(fake, MoveTo(AxesAre({203200, 2000, -3000}), 10000)).WillOnce(Return(true));
  jog.RunContinuous(HighSpeed(), With(0, kHeld));
  EXPECT_FALSE(jog.StepMode());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+"));
  testing::Mock::VerifyAndClearExpectations(&fake);

  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(2);
  jog.RunContinuous(HighSpeed(), With(0, kReleasedOver));
  jog.RunContinuous(HighSpeed(), With(0, kReleasedAway));
}

TEST_F(JogTest, LowSpeedHoldUsesTheSlowSpeedTowardTheFarEnd) {
  MachineAt({1000, 2000, -3000});
  EXPECT_CALL(fake, MoveTo(AxesAre({1000, 2000, -60500}), 1000)).WillOnce(Return(true));
  jog.RunContinuous(LowSpeed(), With(5, kHeld));
  EXPECT_CALL(fake, MoveTo(AxesAre({1000, 0, -3000}), 1000)).WillOnce(Return(true));
  jog.RunContinuous(LowSpeed(), With(3, kHeld));
}

TEST_F(JogTest, HeldButtonWhileTheMachineMovesSendsNothingAndKeepsClicksInert) {
  EXPECT_CALL(fake, GetStatus(_, _)).WillRepeatedly(ReturnStatus(kReadyMoving));
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(0);
  jog.RunContinuous(HighSpeed(), With(2, kHeld));
  EXPECT_FALSE(jog.StepMode()) << "the click that ends the hold must not start a move";
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, StepModesNeitherHoldNorStop) {
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(0);
  jog.RunContinuous(TenStep(), With(0, kHeld));
  jog.RunContinuous(OneStep(), With(1, kReleasedOver));
  EXPECT_TRUE(jog.StepMode());
}

TEST_F(JogTest, IdleButtonsDoNotStopTheMachine) {
  EXPECT_CALL(fake, StopMotion()).Times(0);
  jog.RunContinuous(HighSpeed(), JogButtonStates{});
  jog.RunContinuous(HighSpeed(), With(4, 0x200));
}

TEST_F(JogTest, ButtonStatesAreReadByTheirPushAndFocusFlags) {
  EXPECT_EQ(ButtonPress::Held, ClassifyButtonState(0x26C));
  EXPECT_EQ(ButtonPress::Held, ClassifyButtonState(0x004));
  EXPECT_EQ(ButtonPress::ReleasedWithFocus, ClassifyButtonState(0x208));
  EXPECT_EQ(ButtonPress::ReleasedWithFocus, ClassifyButtonState(0x008));
  EXPECT_EQ(ButtonPress::ReleasedWithFocus, ClassifyButtonState(0x068))
      << "held but slid off the button: the hold has ended";
  EXPECT_EQ(ButtonPress::Idle, ClassifyButtonState(0x000));
  EXPECT_EQ(ButtonPress::Idle, ClassifyButtonState(0x200));
}

TEST_F(JogTest, KeyChordsJogInTheirOrderSeveralPerTick) {
  MachineAt({50000, 50000, -1000, 0});
  CFakeKeys keys;
  keys.down = {'X', 'I', 'K', 'L', 'J'};
  jog.RunKeyChords(keys, OneStep());
  EXPECT_THAT(log.lines,
              ElementsAre("MoveTools X+", "MoveTools X-", "MoveTools Y+", "MoveTools Y-"));

  log.lines.clear();
  keys.down = {'Z', 'I', 'K', 'A', 'L', 'J'};
  jog.RunKeyChords(keys, OneStep());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools Z+", "MoveTools Z-", "MoveTools A-",
                                     "MoveTools A+"));
}

TEST_F(JogTest, ChordNeedsBothKeys) {
  CFakeKeys keys;
  keys.down = {'X', 'Z', 'A'};
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  jog.RunKeyChords(keys, OneStep());
  keys.down = {'I', 'K', 'L', 'J'};
  jog.RunKeyChords(keys, OneStep());
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, HeldChordStepsOncePerTickWhileTheMachineIsFree) {
  MachineAt({0, 0, 0});
  CFakeKeys keys;
  keys.down = {'X', 'I'};
  EXPECT_CALL(fake, GetStatus(_, _))
      .WillOnce(ReturnStatus(kReady))
      .WillOnce(ReturnStatus(kReadyMoving))
      .WillOnce(ReturnStatus(kReady));
  EXPECT_CALL(fake, MoveTo(AxesAre({10, 0, 0}), 100)).Times(2).WillRepeatedly(Return(true));
  for (int tick = 0; tick < 3; ++tick) jog.RunKeyChords(keys, OneStep());
  EXPECT_EQ(2u, log.lines.size());
}

TEST_F(JogTest, ChordsDoNothingWhileASpeedModeGovernsJogging) {
  jog.RunContinuous(LowSpeed(), JogButtonStates{});
  CFakeKeys keys;
  keys.down = {'X', 'I'};
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  jog.RunKeyChords(keys, LowSpeed());
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, MissingWrapperMovesNothing) {
  CJogControl orphan([] { return static_cast<CHVXController*>(nullptr); }, log, messages);
  orphan.Jog(JogMove::XPlus, OneStep());
  orphan.RunContinuous(HighSpeed(), With(0, kReleasedOver));
  EXPECT_THAT(log.lines, IsEmpty());
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST(JogTooltipTest, EachJogButtonNamesTheChordThatMakesItsMove) {
  EXPECT_STREQ("X+I", JogTooltipText(main_ids::kJogXPlus));
  EXPECT_STREQ("X+K", JogTooltipText(main_ids::kJogXMinus));
  EXPECT_STREQ("X+L", JogTooltipText(main_ids::kJogYPlus));
  EXPECT_STREQ("X+J", JogTooltipText(main_ids::kJogYMinus));
  EXPECT_STREQ("Z+I", JogTooltipText(main_ids::kJogZPlus));
  EXPECT_STREQ("Z+K", JogTooltipText(main_ids::kJogZMinus));
  EXPECT_STREQ("A+J", JogTooltipText(main_ids::kJogAPlus));
  EXPECT_STREQ("A+L", JogTooltipText(main_ids::kJogAMinus));
  EXPECT_EQ(nullptr, JogTooltipText(main_ids::kJogBPlus));
  EXPECT_EQ(nullptr, JogTooltipText(main_ids::kStop));
}
