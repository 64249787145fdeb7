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

class JogTest : public testing::Test {
 protected:
  JogTest() : jog([this] { return &fake; }, log, messages) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({1000, 2000, -3000}));
    ON_CALL(fake, MoveTo(_, _)).WillByDefault(Return(true));
    ON_CALL(fake, StopMotion()).WillByDefault(Return(true));
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

TEST_F(JogTest, AMouseHoldDrivesToTheEndOfTravelAndItsEndStopsOnce) {
  EXPECT_CALL(fake, StopMotion()).Times(0);
  EXPECT_CALL(fake, MoveTo(AxesAre({203200, 2000, -3000}), 10000));
  jog.OnHoldBegan(IDC_MAIN_JOG_X_PLUS);
  jog.RunContinuous(HighSpeed());
  testing::Mock::VerifyAndClearExpectations(&fake);

  // The end stops at once, and only once: later ticks and further ends send nothing.
  EXPECT_CALL(fake, StopMotion()).Times(1);
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  jog.OnHoldEnded();
  jog.RunContinuous(HighSpeed());
  jog.OnHoldEnded();
  jog.RunContinuous(HighSpeed());
  testing::Mock::VerifyAndClearExpectations(&fake);

  EXPECT_CALL(fake, MoveTo(AxesAre({1000, 2000, -60500}), 1000));
  EXPECT_CALL(fake, StopMotion()).Times(1);
  jog.OnHoldBegan(IDC_MAIN_JOG_Z_MINUS);
  jog.RunContinuous(LowSpeed());
  jog.OnHoldEnded();
  EXPECT_FALSE(jog.StepMode());
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "MoveTools Z-"));
}

TEST_F(JogTest, AHoldThatEndsBeforeAnyTickOrInAStepModeNeitherMovesNorStops) {
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  EXPECT_CALL(fake, StopMotion()).Times(0);
  jog.OnHoldBegan(IDC_MAIN_JOG_X_PLUS);
  jog.OnHoldEnded();
  jog.RunContinuous(HighSpeed());
  jog.OnHoldBegan(IDC_MAIN_JOG_Y_PLUS);
  jog.RunContinuous(TenStep());
  jog.OnHoldEnded();
  EXPECT_TRUE(jog.StepMode());
  jog.OnHoldBegan(IDC_MAIN_JOG_B_PLUS);  // no move of its own
  jog.RunContinuous(HighSpeed());
  jog.OnHoldEnded();
  jog.RunContinuous(HighSpeed());  // no hold at all
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, AHoldWhileTheMachineMovesIsRefusedButStillStoppedAndClicksAreInert) {
  EXPECT_CALL(fake, GetStatus(_, _)).WillRepeatedly(ReturnStatus(kReadyMoving));
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  jog.OnHoldBegan(IDC_MAIN_JOG_Y_PLUS);
  jog.RunContinuous(HighSpeed());
  EXPECT_FALSE(jog.StepMode());
  EXPECT_CALL(fake, StopMotion()).Times(1);
  jog.OnHoldEnded();
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  jog.OnJogButton(IDC_MAIN_JOG_X_PLUS, HighSpeed());
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(JogTest, AStepNeverMovesAgainstItsDirection) {
  // Beyond the travel on the side of the move, keeping within it would reverse the move.
  const std::pair<JogMove, AxisVector> outside[] = {
      {JogMove::ZPlus, {{0, 0, 2500}}},       {JogMove::XPlus, {{210000, 0, 0}}},
      {JogMove::XMinus, {{-2500, 0, 0}}},     {JogMove::YPlus, {{0, 154900, 0}}},
      {JogMove::YMinus, {{0, -1, 0}}},        {JogMove::ZMinus, {{0, 0, -60600}}}};
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  for (const auto& c : outside) {
    for (const StepRadios& radios : {OneStep(), HundredStep(), HighSpeed()}) {
      EXPECT_FALSE(JogTarget(c.second, c.first, LookUpJogStep(radios, false)->distance))
          << InfoFor(c.first).logText;
    }
    const AxisVector from = c.second;
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault([from](AxisVector* out) {
      *out = from;
      return true;
    });
    jog.Jog(c.first, TenStep());
  }
  EXPECT_THAT(log.lines, IsEmpty()) << "a refused step is not logged as a move";
  EXPECT_THAT(messages.shown, IsEmpty());
  // Moving back toward the travel from outside it is a step like any other.
  EXPECT_EQ(2400, JogTarget({{0, 0, 2500}}, JogMove::ZMinus, 100)->value[kAxisZ]);
  EXPECT_EQ(203200, JogTarget({{-2500, 0, 0}}, JogMove::XPlus, 240000)->value[kAxisX]);
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
