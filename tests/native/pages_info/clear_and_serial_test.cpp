// Clear All, Clear User (step order, its two series), and the seven-character serial rule.
#include "../../../service/procedures/info/parameter_clear.h"
#include "../../../service/procedures/info/serial_write.h"
#include "info_fixture.h"

using hvxtest::AxesAre;
using testing::_;
using testing::InSequence;
using testing::Return;
using testing::StrEq;

namespace {

const std::vector<int32_t> kZero{0, 0, 0, 0, 0, 0};

class ParameterClearTest : public InfoPageFixture {
 protected:
  void AcceptAllUserSteps() {
    ON_CALL(fake, SetShortCode(_)).WillByDefault(Return(true));
    ON_CALL(fake, SetVector_3107(_)).WillByDefault(Return(1));
    ON_CALL(fake, SetVector_3335(_)).WillByDefault(Return(1));
    ON_CALL(fake, SetWorkCoordinate(_, _)).WillByDefault(Return(true));
    ON_CALL(fake, SetByte_3101(_)).WillByDefault(Return(1));
    ON_CALL(fake, SetTriple_3201(_, _, _)).WillByDefault(Return(1));
    ON_CALL(fake, SetIndexedValue_347B(_, _)).WillByDefault(Return(1));
    ON_CALL(fake, SetUserCompensation(_, _, _)).WillByDefault(Return(1));
    ON_CALL(fake, SetBytePair_0FFD(_, _)).WillByDefault(Return(true));
  }

  CParameterClear clear{Source(), windows, windows};
};

TEST_F(ParameterClearTest, ClearAllAsksAndLogsTheOutcome) {
  EXPECT_CALL(fake, ClearAllParameters()).WillOnce(Return(true)).WillOnce(Return(false));
  EXPECT_TRUE(clear.ClearAll());
  EXPECT_FALSE(clear.ClearAll());
  EXPECT_EQ(journal,
            (Journal{"ask(i, default No): Do you really want to clear all parameter?",
                     "log: Cleared all parameter.\r\nRestart the machine. Then all parameters "
                     "are reset.",
                     "ask(i, default No): Do you really want to clear all parameter?",
                     "log: Failed to clear all parameter"}));
}

TEST_F(ParameterClearTest, AnsweringNoSendsAndLogsNothing) {
  windows.answer = false;
  EXPECT_CALL(fake, ClearAllParameters()).Times(0);
  EXPECT_CALL(fake, SetShortCode(_)).Times(0);
  EXPECT_FALSE(clear.ClearAll());
  EXPECT_FALSE(clear.ClearUser());
  EXPECT_EQ(journal, (Journal{"ask(i, default No): Do you really want to clear all parameter?",
                              "ask(i, default No): Do you really want to clear user parameters?"}));
}

TEST_F(ParameterClearTest, ClearUserRunsEveryStepInOrder) {
  {
    InSequence order;
    EXPECT_CALL(fake, SetShortCode(StrEq("A"))).WillOnce(Return(true));
    EXPECT_CALL(fake, SetVector_3107(AxesAre(kZero))).WillOnce(Return(1));
    EXPECT_CALL(fake, SetVector_3335(AxesAre(kZero))).WillOnce(Return(1));
    for (int n = 54; n <= 59; ++n) {
      EXPECT_CALL(fake, SetWorkCoordinate(n, AxesAre(kZero))).WillOnce(Return(true));
    }
    EXPECT_CALL(fake, SetByte_3101(0)).WillOnce(Return(1));
    EXPECT_CALL(fake, SetTriple_3201(0, 0, 0)).WillOnce(Return(1));
    for (int index = 1; index <= 8; ++index) {
      EXPECT_CALL(fake, SetIndexedValue_347B(index, 0)).WillOnce(Return(1));
    }
    EXPECT_CALL(fake, SetUserCompensation(0, 0, 0)).WillOnce(Return(1));
    EXPECT_CALL(fake, SetBytePair_0FFD(1, 1)).WillOnce(Return(true));
  }
  EXPECT_TRUE(clear.ClearUser());
  EXPECT_EQ(journal.back(),
            "log: Cleared user parameters\r\nRestart the machine. Then those parameters are rest.");
}

TEST_F(ParameterClearTest, ARefusalInEitherSeriesEndsOnlyThatSeries) {
  AcceptAllUserSteps();
  for (int n = 54; n <= 56; ++n) EXPECT_CALL(fake, SetWorkCoordinate(n, _)).WillOnce(Return(true));
  EXPECT_CALL(fake, SetWorkCoordinate(57, _)).WillOnce(Return(false));
  EXPECT_CALL(fake, SetWorkCoordinate(58, _)).Times(0);
  EXPECT_CALL(fake, SetWorkCoordinate(59, _)).Times(0);
  EXPECT_CALL(fake, SetByte_3101(0)).WillOnce(Return(1));
  EXPECT_CALL(fake, SetIndexedValue_347B(1, 0)).WillOnce(Return(1));
  EXPECT_CALL(fake, SetIndexedValue_347B(2, 0)).WillOnce(Return(0));
  EXPECT_CALL(fake, SetIndexedValue_347B(3, _)).Times(0);
  EXPECT_CALL(fake, SetUserCompensation(0, 0, 0)).WillOnce(Return(1));
  EXPECT_CALL(fake, SetBytePair_0FFD(1, 1)).WillOnce(Return(true));
  clear.ClearUser();
  EXPECT_EQ(journal.back(),
            "log: Cleared user parameters\r\nRestart the machine. Then those parameters are rest.");
}

TEST_F(ParameterClearTest, ARefusedRequiredStepStopsTheClear) {
  AcceptAllUserSteps();
  EXPECT_CALL(fake, SetVector_3335(_)).WillOnce(Return(0));
  EXPECT_CALL(fake, SetWorkCoordinate(_, _)).Times(0);
  EXPECT_CALL(fake, SetBytePair_0FFD(_, _)).Times(0);
  EXPECT_FALSE(clear.ClearUser());
  EXPECT_EQ(journal.back(), "log: Failed to clear user's parameters");
}

TEST_F(ParameterClearTest, ARefusedLastStepFailsTheClear) {
  AcceptAllUserSteps();
  EXPECT_CALL(fake, SetBytePair_0FFD(1, 1)).WillOnce(Return(false));
  EXPECT_FALSE(clear.ClearUser());
  EXPECT_EQ(journal.back(), "log: Failed to clear user's parameters");
}

class SerialWriteTest : public InfoPageFixture {
 protected:
  CSerialWrite serial{Source(), windows, windows};
};

TEST_F(SerialWriteTest, OnlySevenCharactersAreWrittenAsTyped) {
  EXPECT_CALL(fake, SetSerialNumber(StrEq("1234567"))).WillOnce(Return(true));
  EXPECT_CALL(fake, SetSerialNumber(StrEq("ab C-d!"))).WillOnce(Return(false));
  std::vector<bool> written;
  for (const char* text : {"HVX123", "HVX12345", "", "1234567", "ab C-d!"}) {
    written.push_back(serial.Write(text));
  }
  EXPECT_EQ(written, (std::vector<bool>{false, false, false, true, false}));
  EXPECT_EQ(journal, (Journal{"tell: Serial Number should be 7 letters",
                              "tell: Serial Number should be 7 letters",
                              "tell: Serial Number should be 7 letters", "log: Write the serial",
                              "log: Serial number written: 1234567",
                              "log: Failed to write the serial",
                              "log: Serial number not written: ab C-d!"}));
}

}  // namespace
