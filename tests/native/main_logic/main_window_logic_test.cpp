#include <gtest/gtest.h>

#include <map>

#include "main_control_ids.h"
#include "main_test_doubles.h"
#include "main_window_logic.h"

using hvxtest::ReturnPosition;
using hvxtest::ReturnStatus;
using hvxtest::ReturnText;
using testing::_;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::NiceMock;
using testing::Return;

namespace {

// A tick at the main window itself, where chords may jog.
TickInput Input(StepRadios radios) {
  TickInput input;
  input.radios = radios;
  input.chordsMayJog = true;
  return input;
}

class MainWindowLogicTest : public testing::Test {
 protected:
  MainWindowLogicTest() : logic([this] { return controller; }, log, messages, keys) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(ReturnText("SN1"));
    ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(ReturnText("0102"));
    ON_CALL(fake, GetShortCode(_, _)).WillByDefault(ReturnText("7A"));
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({12349, 0, -5}));
    ON_CALL(fake, MoveTo(_, _)).WillByDefault(Return(true));
    ON_CALL(fake, StopMotion()).WillByDefault(Return(true));
  }

  // A hold of "+X" in High Speed across a tick at the time given: the move to the end of travel.
  void HoldAcrossATick(uint32_t nowMs) {
    logic.OnJogHoldBegan(IDC_MAIN_JOG_X_PLUS);
    TickInput input = Input(HighSpeed());
    input.nowMs = nowMs;
    logic.Tick(input);
  }

  void TicksUntil(uint32_t fromMs, uint32_t toMs) {
    for (uint32_t now = fromMs; now <= toMs; now += 500) {
      TickInput input = Input(HighSpeed());
      input.nowMs = now;
      logic.Tick(input);
    }
  }

  NiceMock<CFakeHVXController> fake;
  CHVXController* controller = &fake;
  CRecordingLog log;
  CRecordingMessages messages;
  CFakeKeys keys;
  CMainWindowLogic logic;
};

}  // namespace

TEST_F(MainWindowLogicTest, StartUpShowsOfflineAndLogsOpenOnlyWhenConnectedAndTheEndAlways) {
  logic.StartUp(false);
  EXPECT_FALSE(logic.Connected());
  EXPECT_EQ("Offline", logic.Status().status);
  EXPECT_THAT(log.lines, IsEmpty());

  logic.StartUp(true);
  EXPECT_TRUE(logic.Connected());
  EXPECT_EQ("Offline", logic.Status().status) << "the first tick reads the status";
  EXPECT_EQ("1.02", logic.Status().firmware);
  EXPECT_THAT(log.lines, ElementsAre("Open MEK"));
  logic.EndSession();
  EXPECT_THAT(log.lines, ElementsAre("Open MEK", "Close MEK"));
}

TEST_F(MainWindowLogicTest, OfflineStateWithCoverOpenDisablesTheControlsForThatTick) {
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(5 | kCoverOpen));
  logic.Tick(Input(HundredStep()));
  EXPECT_FALSE(logic.Connected());
  EXPECT_EQ("Cover is open", logic.Status().status);
  EXPECT_EQ("OPEN", logic.Status().cover);

  ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
  logic.Tick(Input(HundredStep()));
  EXPECT_TRUE(logic.Connected()) << "a machine back on line is picked up by the next tick";
}

TEST_F(MainWindowLogicTest, DeviceManagerResultIsLoggedAndShownUntilTheNextTick) {
  logic.DeviceManagerClosed(false);
  EXPECT_FALSE(logic.Connected());
  EXPECT_EQ("off line", logic.Status().status);
  EXPECT_EQ("---", logic.Status().serial);

  logic.DeviceManagerClosed(true);
  EXPECT_TRUE(logic.Connected());
  EXPECT_EQ("Ready", logic.Status().status);
  EXPECT_THAT(log.lines, ElementsAre("DisConnected", "Connected"));
}

TEST_F(MainWindowLogicTest, WithoutAWrapperTheTickShowsNothingReadAndDisables) {
  logic.Tick(Input(HundredStep()));
  controller = nullptr;
  logic.Tick(Input(HundredStep()));
  EXPECT_FALSE(logic.Connected());
  EXPECT_EQ("off line", logic.Status().status);
  EXPECT_EQ("---", logic.Readout().x);
  EXPECT_EQ("---", logic.Readout().xLimit);
  EXPECT_EQ("---", logic.Readout().spindleSpeed);
}

TEST_F(MainWindowLogicTest, ChordsUseTheModeOfThePreviousTick) {
  logic.Tick(Input(HighSpeed()));
  EXPECT_FALSE(logic.StepMode());
  keys.down = {'X', 'I'};

  EXPECT_CALL(fake, MoveTo(hvxtest::AxesAre({12359, 0, -5}), 100)).Times(2);
  logic.Tick(Input(OneStep()));  // chords ran before the mode followed the radio button
  logic.Tick(Input(OneStep()));
  logic.Tick(Input(OneStep()));
  EXPECT_EQ(2u, log.lines.size());
}

TEST_F(MainWindowLogicTest, HeldButtonAcrossATickMovesAndTheHoldsEndStops) {
  EXPECT_CALL(fake, MoveTo(hvxtest::AxesAre({203200, 0, -5}), 10000));
  logic.OnJogHoldBegan(IDC_MAIN_JOG_X_PLUS);
  logic.Tick(Input(HighSpeed()));
  EXPECT_CALL(fake, StopMotion());
  logic.OnJogHoldEnded();
  logic.Tick(Input(HighSpeed()));
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+"));
}

// Left alone, a move at speed goes on to the end of its travel: a stop that fails is logged once
// and tried again on every tick until the machine takes it.
TEST_F(MainWindowLogicTest, AFailedStopIsTriedAgainEachTickUntilTakenAndLoggedOnce) {
  HoldAcrossATick(0);
  EXPECT_CALL(fake, StopMotion())
      .WillOnce(Return(false))
      .WillOnce(Return(false))
      .WillOnce(Return(true));
  logic.OnJogHoldEnded();
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "Failed to stop moving"));
  TicksUntil(500, 2500);
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "Failed to stop moving"));
}

// While the machine is silent each try waits for an acknowledge that never comes: the stop is
// tried again only at the pace of the silent machine's status reads, one in two seconds.
TEST_F(MainWindowLogicTest, AStopOfASilentMachineIsTriedAgainEveryTwoSeconds) {
  HoldAcrossATick(0);
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatusNotRead());
  // At the release, in the tick that finds the machine silent, then at 2500 and 4500 only.
  EXPECT_CALL(fake, StopMotion()).Times(1 + 1 + 2).WillRepeatedly(Return(false));
  logic.OnJogHoldEnded();
  TicksUntil(500, 4500);
  testing::Mock::VerifyAndClearExpectations(&fake);
  EXPECT_THAT(log.lines, ElementsAre("MoveTools X+", "Failed to stop moving"));
}

TEST_F(MainWindowLogicTest, AReleaseDuringATickStopsBeforeItsNextReadAndOnlyOnce) {
  logic.OnJogHoldBegan(IDC_MAIN_JOG_X_PLUS);
  logic.Tick(Input(HighSpeed()));
  testing::Mock::VerifyAndClearExpectations(&fake);

  // The button comes up while the tick reads; the window has not been told yet.
  EXPECT_CALL(fake, GetSerialNumber(_, _)).WillOnce([&](char* text, int) {
    keys.mouseDown = false;
    text[0] = '\0';
    return 1;
  });
  {
    testing::InSequence order;
    EXPECT_CALL(fake, StopMotion());
    EXPECT_CALL(fake, GetFirmwareVersion(_, _));
  }
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  logic.Tick(Input(HighSpeed()));
  testing::Mock::VerifyAndClearExpectations(&fake);

  EXPECT_CALL(fake, StopMotion()).Times(0);
  logic.OnJogHoldEnded();  // the window's own news of the release comes later
  logic.Tick(Input(HighSpeed()));
}

TEST_F(MainWindowLogicTest, ChordsJogOnlyWhenTheWindowSaysTheyMay) {
  keys.down = {'X', 'I'};
  TickInput elsewhere = Input(OneStep());
  elsewhere.chordsMayJog = false;
  EXPECT_CALL(fake, MoveTo(_, _)).Times(0);
  logic.Tick(elsewhere);
  logic.Tick(elsewhere);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(MainWindowLogicTest, LettingGoStopsMotionAndSpindleBeforeTheEndOfSession) {
  testing::InSequence order;
  EXPECT_CALL(fake, StopMotion());
  EXPECT_CALL(fake, SetSpindleSpeed(0));
  EXPECT_CALL(fake, SetValue_0209(0));
  logic.LetGo();
  controller = nullptr;
  logic.LetGo();
  EXPECT_THAT(log.lines, IsEmpty());
}

// Each send to a silent machine waits for its acknowledge and keeps the window from going.
TEST_F(MainWindowLogicTest, LettingGoOfASilentMachineSendsNothingMoreAndLogsWhatWasNot) {
  const char kNotSent[] = "Not sent on closing, the machine not answering: ";
  struct Row {
    const char* what;
    bool lastTickSilent;
    bool stopTaken;
    bool statusAfterStop;
    std::vector<std::string> sent;
    std::vector<std::string> logged;
  };
  const Row rows[] = {
      {"found silent by the last tick", true, true, true, {},
       {std::string(kNotSent) + "stop, spindle off, end of session"}},
      {"stop failed, status failed", false, false, false, {"stop", "status"},
       {"Failed to stop moving", std::string(kNotSent) + "spindle off, end of session"}},
      {"stop failed, status answered", false, false, true,
       {"stop", "status", "spindle 0", "end of session"}, {"Failed to stop moving"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    NiceMock<CFakeHVXController> machine;
    CRecordingLog rowLog;
    CMainWindowLogic closing([&] { return &machine; }, rowLog, messages, keys);
    ON_CALL(machine, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatusNotRead());
    if (row.lastTickSilent) closing.Tick(Input(HundredStep()));
    std::vector<std::string> sent;
    ON_CALL(machine, StopMotion()).WillByDefault([&] {
      sent.push_back("stop");
      return row.stopTaken;
    });
    ON_CALL(machine, GetStatus(_, _)).WillByDefault([&](uint32_t* state, uint32_t* handshake) {
      sent.push_back("status");
      return row.statusAfterStop ? ReturnStatus(kReady)(state, handshake)
                                 : hvxtest::ReturnStatusNotRead()(state, handshake);
    });
    ON_CALL(machine, SetSpindleSpeed(0)).WillByDefault([&](int) {
      sent.push_back("spindle 0");
      return true;
    });
    ON_CALL(machine, SetValue_0209(0)).WillByDefault([&](int) {
      sent.push_back("end of session");
      return 1;
    });
    closing.LetGo();
    EXPECT_EQ(row.sent, sent);
    EXPECT_EQ(row.logged, rowLog.lines);
  }
}

TEST_F(MainWindowLogicTest, TickArrivingInsideItsOwnMessageBoxIsDropped) {
  keys.down = {'X', 'I'};
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  int nestedTicks = 0;
  messages.onShow = [&] {
    if (nestedTicks++ < 3) logic.Tick(Input(OneStep()));
  };
  logic.Tick(Input(OneStep()));
  EXPECT_THAT(messages.shown, ElementsAre("Failed to get current pos"));
  EXPECT_EQ(1, nestedTicks);

  logic.Tick(Input(OneStep()));
  EXPECT_EQ(2u, messages.shown.size()) << "the next tick after the box runs normally";
}

TEST_F(MainWindowLogicTest, SpindleButtonsReachTheSpindleRulesAndStopActsWhateverTheConnectedFlag) {
  logic.Tick(Input(HundredStep()));
  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x40));
  ON_CALL(fake, SetSpindleSpeed(_)).WillByDefault(Return(true));
  logic.OnSpindleBox(true);
  EXPECT_TRUE(logic.Spindle().BoxChecked());
  EXPECT_CALL(fake, GetSpindleOverride()).WillRepeatedly(Return(40));
  EXPECT_CALL(fake, SetSpindleOverride(50));
  EXPECT_CALL(fake, SetSpindleOverride(30));
  logic.OnSpindleStep(IDC_MAIN_SPINDLE_UP);
  logic.OnSpindleStep(IDC_MAIN_SPINDLE_DOWN);
  logic.OnSpindleStep(IDC_MAIN_STOP);
  EXPECT_CALL(fake, StopMotion()).Times(2).WillRepeatedly(Return(true));
  logic.OnStop();
  logic.DeviceManagerClosed(false);
  logic.OnStop();
  EXPECT_THAT(log.lines, ElementsAre("RotateSpindle +", "RotateSpindle -", "Stopped Moving",
                                     "DisConnected", "Stopped Moving"));
}

TEST_F(MainWindowLogicTest, TickShowsItsReadingsInTheirControls) {
  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x2));
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({1000, 2000, -3000, 4000}));
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(6500));
  logic.Tick(Input(HundredStep()));
  std::map<int, std::string> fields;
  for (const ControlText& field : logic.FieldTexts()) fields[field.controlId] = field.text;
  const std::map<int, std::string> expected = {
      {1084, "Varnel HVX-40"}, {1086, "SN1"}, {1087, "Ready"}, {1088, "1.02"}, {1005, "7A"},
      {1082, "CLOSE"}, {1074, "---"}, {1075, "ON"}, {1076, "---"}, {1002, "1.00"},
      {1003, "2.00"}, {1004, "-3.00"}, {1007, "4.00"}, {1009, "6500"}, {1069, ""},
      {1132, "OFF"}};
  EXPECT_EQ(expected, fields);
}

