// A machine that stops answering makes every read wait for its acknowledge. The tick skips the
// rest of its reads after one failed, reads only the status every two seconds while the
// machine stays silent, and reads everything again in the tick that finds it answering.
#include <gtest/gtest.h>

#include "main_test_doubles.h"
#include "main_window_logic.h"

using hvxtest::ReturnPosition;
using hvxtest::ReturnStatus;
using hvxtest::ReturnStatusNotRead;
using hvxtest::ReturnText;
using testing::_;
using testing::NiceMock;
using testing::Return;

namespace {

class SilentMachineTest : public testing::Test {
 protected:
  SilentMachineTest() : logic([this] { return &fake; }, log, messages, keys) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
    ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(ReturnText("SN1"));
    ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(ReturnText("0102"));
    ON_CALL(fake, GetShortCode(_, _)).WillByDefault(ReturnText("A"));
    ON_CALL(fake, GetInputState()).WillByDefault(Return(0x1));
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({1000, 2000, -3000}));
    ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(7000));
  }

  void TickAt(uint32_t nowMs) {
    TickInput input;
    input.radios = HundredStep();
    input.nowMs = nowMs;
    logic.Tick(input);
  }

  // The calls of every read the tick can make.
  void ExpectReads(int status, int identity, int readouts) {
    EXPECT_CALL(fake, GetStatus(_, _)).Times(status);
    EXPECT_CALL(fake, GetSerialNumber(_, _)).Times(identity);
    EXPECT_CALL(fake, GetFirmwareVersion(_, _)).Times(identity);
    EXPECT_CALL(fake, GetShortCode(_, _)).Times(identity);
    EXPECT_CALL(fake, GetInputState()).Times(readouts);
    EXPECT_CALL(fake, GetCurrentPosition(_)).Times(readouts);
    EXPECT_CALL(fake, GetSpindleSpeed()).Times(readouts);
  }

  void ExpectNothingReadShown() {
    EXPECT_EQ("---", logic.Status().serial);
    EXPECT_EQ("---", logic.Status().firmware);
    EXPECT_EQ("", logic.Status().usbId);
    EXPECT_EQ("---", logic.Readout().xLimit);
    EXPECT_EQ("---", logic.Readout().x);
    EXPECT_EQ("---", logic.Readout().spindleSpeed);
  }

  NiceMock<CFakeHVXController> fake;
  CRecordingLog log;
  CRecordingMessages messages;
  CFakeKeys keys;
  CMainWindowLogic logic;
};

}  // namespace

TEST_F(SilentMachineTest, AFailedReadSkipsTheRestOfItsTickWhichShowNothingRead) {
  TickAt(0);
  EXPECT_EQ("1.00", logic.Readout().x);
  ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(Return(-1));
  ExpectReads(0, 0, 0);  // nothing after the failed one...
  EXPECT_CALL(fake, GetStatus(_, _)).Times(1);  // ...which comes after the status
  EXPECT_CALL(fake, GetSerialNumber(_, _)).Times(1);
  TickAt(500);
  ExpectNothingReadShown();
  EXPECT_EQ("Ready", logic.Status().status) << "the status was read before the failure";
  testing::Mock::VerifyAndClearExpectations(&fake);

  // The status answers, so the next tick is a whole one again.
  ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(ReturnText("SN1"));
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  EXPECT_CALL(fake, GetSpindleSpeed()).Times(0);
  EXPECT_CALL(fake, GetCurrentPosition(_)).Times(1);
  TickAt(1000);
  EXPECT_EQ("---", logic.Readout().spindleSpeed);
  EXPECT_EQ("ON", logic.Readout().xLimit);
}

TEST_F(SilentMachineTest, WhileSilentOnlyTheStatusIsReadEveryTwoSecondsUntilItAnswers) {
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatusNotRead());
  ExpectReads(1, 0, 0);
  TickAt(10000);
  ExpectNothingReadShown();
  EXPECT_EQ("Offline", logic.Status().status);
  EXPECT_TRUE(logic.Connected()) << "a silent machine does not disable the controls";
  testing::Mock::VerifyAndClearExpectations(&fake);

  ExpectReads(0, 0, 0);
  for (uint32_t now = 10500; now < 12000; now += 500) TickAt(now);
  testing::Mock::VerifyAndClearExpectations(&fake);
  ExpectReads(1, 0, 0);
  TickAt(12000);
  testing::Mock::VerifyAndClearExpectations(&fake);

  // It answers: the same tick reads everything, and so does the next one.
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(kReady));
  ExpectReads(0, 0, 0);
  TickAt(13000);
  testing::Mock::VerifyAndClearExpectations(&fake);
  ExpectReads(2, 2, 2);
  TickAt(14000);
  EXPECT_EQ("SN1", logic.Status().serial);
  EXPECT_EQ("1.00", logic.Readout().x);
  TickAt(14500);
  EXPECT_EQ("Ready", logic.Status().status);
}
