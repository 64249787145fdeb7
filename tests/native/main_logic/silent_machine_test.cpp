// A machine that stops answering makes every read wait for its acknowledge. The tick skips the
// rest of its reads after its status read failed, reads only the status every two seconds while
// the machine stays silent, and reads everything again in the tick that finds it answering. A
// read refused while the status answers (a text too long for its buffer) blanks its own field.
#include <gtest/gtest.h>

#include <functional>

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

// A serial number of ten characters or a short code of three does not fit its buffer: the read
// answers -1 from a machine that answers everything else.
TEST_F(SilentMachineTest, ARefusedTextReadBlanksOnlyItsOwnFieldWhileTheStatusAnswers) {
  struct Row {
    const char* what;
    std::function<void()> refuse;
    std::string StatusTexts::*field;
    const char* shown;
  };
  const Row rows[] = {
      {"serial", [&] { ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(Return(-1)); },
       &StatusTexts::serial, "---"},
      {"firmware", [&] { ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(Return(-1)); },
       &StatusTexts::firmware, "---"},
      {"short code", [&] { ON_CALL(fake, GetShortCode(_, _)).WillByDefault(Return(-1)); },
       &StatusTexts::usbId, ""},
  };
  uint32_t now = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    row.refuse();
    ExpectReads(2, 2, 2);
    TickAt(now += 500);
    TickAt(now += 500);
    EXPECT_EQ(row.shown, logic.Status().*row.field);
    EXPECT_EQ("Ready", logic.Status().status);
    EXPECT_EQ("ON", logic.Readout().xLimit);
    EXPECT_EQ("1.00", logic.Readout().x);
    EXPECT_EQ("7000", logic.Readout().spindleSpeed);
    testing::Mock::VerifyAndClearExpectations(&fake);
  }
  EXPECT_EQ("---", logic.Status().serial) << "each refusal stays on its own field";
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
