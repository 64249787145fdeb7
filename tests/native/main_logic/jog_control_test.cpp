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
using testing::IsEmpty;
using testing::NiceMock;
using testing::Return;

namespace {

constexpr int kHeld = 0x26C;

class JogTest : public testing::Test {
 protected:
  JogTest() : jog([this] { return &fake; }, log, messages) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({1000, 2000, -3000}));
    ON_CALL(fake, MoveTo(_, _)).WillByDefault(Return(true));
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
  JogMove move; StepRadios radios; AxisVector from;
  std::vector<int32_t> to; int speed; const char* line;
};

}  // namespace

TEST_F(JogTest, StepsMoveOneAxisWithinTheTravelAndLogTheMove) {
  const JogCase cases[] = {
      {JogMove::XPlus, OneStep(), {{1000, 2, -3, 0, 55, -66}}, {1010, 2, -3, 0, 55, -66}, 100,
       "MoveTools X+"},
      {JogMove::XPlus, OneStep(), {{203200, 0, 0}}, {203200, 0, 0}, 100, "MoveTools X+"},
      {JogMove::XPlus, HundredStep(), {{202500, 7, 0}}, {203200, 7, 0}, 1000, "MoveTools X+"},
      {JogMove::XMinus, TenStep(), {{60, 0, 0}}, {0, 0, 0}, 100, "MoveTools X-"},
      {JogMove::YPlus, HundredStep(), {{0, 151900, 0}}, {0, 152400, 0}, 1000, "MoveTools Y+"},
      {JogMove::YMinus, HundredStep(), {{0, 50, 0}}, {0, 0, 0}, 1000, "MoveTools Y-"},
      {JogMove::ZPlus, TenStep(), {{0, 0, -5}}, {0, 0, 0}, 100, "MoveTools Z+"},
      {JogMove::ZMinus, HundredStep(), {{0, 0, -60000}}, {0, 0, -60500}, 1000, "MoveTools Z-"},
      {JogMove::APlus, OneStep(), {{1, 2, 3, 400, 5}}, {1, 2, 3, 450, 5}, 100, "MoveTools A+"},
      {JogMove::AMinus, HundredStep(), {{1, 2, 3, 400}}, {1, 2, 3, -600}, 1000, "MoveTools A-"},
  };
  for (const JogCase& c : cases) {
    SCOPED_TRACE(c.line);
    log.lines.clear();
    AxisVector from = c.from;
    EXPECT_CALL(fake, GetCurrentPosition(_)).WillOnce([from](AxisVector* out) {
      *out = from;
      return true;
    });
    EXPECT_CALL(fake, MoveTo(AxesAre(c.to), c.speed)).WillOnce(Return(true));
    jog.Jog(c.move, c.radios);
    EXPECT_THAT(log.lines, ElementsAre(c.line));
    testing::Mock::VerifyAndClearExpectations(&fake);
  }
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(JogTest, OnlyIdleAndReadyStatesWithoutMotionAllowAJog) {
  for (uint32_t state = 0; state < 16; ++state) {
    for (uint32_t extra : {0u, 0x800u, kCoverOpen}) {
      uint32_t word = state | extra;
      bool allowed = (state == 0 || state == 2 || state == 8 || state == 10) && extra != 0x800u;
      EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(word));
      EXPECT_CALL(fake, MoveTo(_, _)).Times(allowed ? 1 : 0);
      log.lines.clear();
      jog.Jog(JogMove::YPlus, OneStep());
      EXPECT_EQ(allowed ? 1u : 0u, log.lines.size()) << "state word 0x" << std::hex << word;
      testing::Mock::VerifyAndClearExpectations(&fake);
    }
  }
  EXPECT_THAT(messages.shown, IsEmpty()) << "refusals are silent";
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

  testing::Mock::VerifyAndClearExpectations(&fake);
  EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatusNotRead());
  EXPECT_CALL(fake, GetCurrentPosition(_)).Times(0);
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  jog.Jog(JogMove::ZMinus, OneStep());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools Z-")) << "an unread status moves nothing but logs";
  EXPECT_EQ(3u, messages.shown.size());
}

TEST_F(JogTest, EachButtonMakesItsMoveAndNamesItsChordAndTheBButtonsDoNeither) {
  const std::pair<int, const char*> buttons[] = {
      {IDC_MAIN_JOG_X_PLUS, "X+I"}, {IDC_MAIN_JOG_X_MINUS, "X+K"}, {IDC_MAIN_JOG_Y_PLUS, "X+L"},
      {IDC_MAIN_JOG_Y_MINUS, "X+J"}, {IDC_MAIN_JOG_Z_PLUS, "Z+I"}, {IDC_MAIN_JOG_Z_MINUS, "Z+K"},
      {IDC_MAIN_JOG_A_PLUS, "A+J"}, {IDC_MAIN_JOG_A_MINUS, "A+L"}, {IDC_MAIN_JOG_B_PLUS, nullptr},
      {IDC_MAIN_JOG_B_MINUS, nullptr}, {IDC_MAIN_STOP, nullptr}};
  for (const auto& button : buttons) {
    if (button.first != IDC_MAIN_STOP) jog.OnJogButton(button.first, OneStep());
    const char* tip = JogTooltipText(button.first);
    EXPECT_EQ(std::string(button.second ? button.second : "-"), tip ? tip : "-") << button.first;
  }
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "MoveTools X-", "MoveTools Y+",
                                     "MoveTools Y-", "MoveTools Z+", "MoveTools Z-",
                                     "MoveTools A+", "MoveTools A-"));
}

TEST_F(JogTest, HeldButtonDrivesToTheEndOfTravelAndAReleasedOneStops) {
  EXPECT_CALL(fake, StopMotion()).Times(0);
  EXPECT_CALL(fake, MoveTo(AxesAre({203200, 2000, -3000}), 10000));
  jog.RunContinuous(HighSpeed(), With(0, kHeld));
  EXPECT_CALL(fake, MoveTo(AxesAre({1000, 2000, -60500}), 1000));
  jog.RunContinuous(LowSpeed(), With(5, kHeld));
  jog.RunContinuous(HighSpeed(), With(4, 0x200));  // idle buttons stop nothing
  EXPECT_FALSE(jog.StepMode());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "MoveTools Z-"));
  testing::Mock::VerifyAndClearExpectations(&fake);

  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(2);
  jog.RunContinuous(HighSpeed(), With(0, 0x208));
  jog.RunContinuous(LowSpeed(), With(3, 0x008));
}

TEST_F(JogTest, NoHoldInStepModesOrWhileTheMachineMovesAndClicksAreInertInSpeedModes) {
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(0);
  jog.RunContinuous(TenStep(), With(0, kHeld));
  jog.RunContinuous(OneStep(), With(1, 0x208));
  EXPECT_TRUE(jog.StepMode());
  EXPECT_CALL(fake, GetStatus(_, _)).WillRepeatedly(ReturnStatus(kReadyMoving));
  jog.RunContinuous(HighSpeed(), With(2, kHeld));
  EXPECT_FALSE(jog.StepMode());
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  jog.OnJogButton(IDC_MAIN_JOG_X_PLUS, HighSpeed());
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST(JogButtonTest, ButtonStatesAreReadByTheirPushAndFocusFlags) {
  const std::pair<int, ButtonPress> rows[] = {{0x26C, ButtonPress::Held},
                                              {0x208, ButtonPress::ReleasedWithFocus},
                                              {0x008, ButtonPress::ReleasedWithFocus},
                                              {0x068, ButtonPress::ReleasedWithFocus},  // slid off
                                              {0x200, ButtonPress::Idle}};
  for (const auto& row : rows) EXPECT_EQ(row.second, ClassifyButtonState(row.first)) << row.first;
}
TEST_F(JogTest, KeyChordsNeedBothKeysAndRunInTheirOrderSeveralPerTick) {
  CFakeKeys keys;
  keys.down = {'X', 'Z', 'A'};
  jog.RunKeyChords(keys, OneStep());
  EXPECT_THAT(log.lines, IsEmpty());

  keys.down = {'X', 'I', 'K', 'L', 'J'};
  jog.RunKeyChords(keys, OneStep());
  keys.down = {'Z', 'I', 'K', 'A', 'L', 'J'};
  jog.RunKeyChords(keys, OneStep());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "MoveTools X-", "MoveTools Y+",
                                     "MoveTools Y-", "MoveTools Z+", "MoveTools Z-",
                                     "MoveTools A-", "MoveTools A+"));
}

TEST_F(JogTest, HeldChordStepsOncePerTickWhileTheMachineIsFree) {
  CFakeKeys keys;
  keys.down = {'X', 'I'};
  EXPECT_CALL(fake, GetStatus(_, _))
      .WillOnce(ReturnStatus(kReady))
      .WillOnce(ReturnStatus(kReadyMoving))
      .WillOnce(ReturnStatus(kReady));
  EXPECT_CALL(fake, MoveTo(AxesAre({1010, 2000, -3000}), 100)).Times(2);
  for (int tick = 0; tick < 3; ++tick) jog.RunKeyChords(keys, OneStep());
}
