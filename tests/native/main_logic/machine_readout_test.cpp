#include <gtest/gtest.h>

#include "../../../service/status/machine_readout.h"
#include "main_test_doubles.h"

using hvxtest::ReturnPosition;
using testing::_;
using testing::NiceMock;
using testing::Return;


TEST(PositionFormatTest, CutsToTwoDecimalsTowardZeroWithoutRounding) {
  const std::pair<int32_t, const char*> rows[] = {
      {12349, "12.34"},   {12340, "12.34"},   {0, "0.00"},     {9, "0.00"},
      {10, "0.01"},       {203200, "203.20"}, {152399, "152.39"}, {-12349, "-12.34"},
      {-60500, "-60.50"}, {-5, "-0.00"},      {-19, "-0.01"},  {-2147483647 - 1, "-2147483.64"}};
  for (const auto& row : rows) EXPECT_EQ(row.second, FormatPosition(row.first)) << row.first;
}

TEST(MachineReadoutTest, LimitsPositionsAndSpindleShowTheirReadings) {
  NiceMock<CFakeHVXController> fake;
  CMachineReadout readout;
  auto limits = [&] {
    return readout.Texts().xLimit + readout.Texts().yLimit + readout.Texts().zLimit;
  };
  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x1 | 0x4 | 0x40));
  ON_CALL(fake, GetCurrentPosition(_))
      .WillByDefault(ReturnPosition({203200, 12349, -60500, 90005, 777, 888}));
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(7000));
  readout.Refresh(fake);
  EXPECT_EQ("ON---ON", limits());
  EXPECT_EQ("203.20", readout.Texts().x);
  EXPECT_EQ("12.34", readout.Texts().y);
  EXPECT_EQ("-60.50", readout.Texts().z);
  EXPECT_EQ("90.00", readout.Texts().a);
  EXPECT_EQ("7000", readout.Texts().spindleSpeed);
  EXPECT_EQ("", readout.Texts().spindleCurrent);

  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x2));
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(1));
  readout.Refresh(fake);
  EXPECT_EQ("---ON---", limits());
  EXPECT_EQ("1", readout.Texts().spindleSpeed);

  // A standing spindle shows 0 and marks the current.
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(0));
  readout.Refresh(fake);
  EXPECT_EQ("0", readout.Texts().spindleSpeed);
  EXPECT_EQ("---", readout.Texts().spindleCurrent);

  // Failed reads: no switch shown triggered, no position, no speed.
  const ReadoutTexts& t = readout.Texts();
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(-1));
  readout.Refresh(fake);
  EXPECT_EQ("---", t.spindleSpeed) << "a speed not read is no standing spindle";
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  readout.Refresh(fake);
  EXPECT_EQ("------------", t.x + t.y + t.z + t.a);
  ON_CALL(fake, GetInputState()).WillByDefault(Return(-1));
  readout.Refresh(fake);
  EXPECT_EQ("---------", limits());
}

// A failed read blanks its own fields; only a tick whose status read failed reads nothing more.
TEST(MachineReadoutTest, AFailedReadBlanksItsOwnFieldsAndOnlyASilentTickReadsNothing) {
  NiceMock<CFakeHVXController> fake;
  CMachineReadout readout;
  const ReadoutTexts& t = readout.Texts();
  ON_CALL(fake, GetInputState()).WillByDefault(Return(-1));
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({1000, 2000, -3000}));
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(7000));
  readout.Refresh(fake);
  EXPECT_EQ("---", t.xLimit);
  EXPECT_EQ("1.00", t.x);
  EXPECT_EQ("7000", t.spindleSpeed);
  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x1));
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  readout.Refresh(fake);
  EXPECT_EQ("ON", t.xLimit);
  EXPECT_EQ("---", t.x);
  EXPECT_EQ("7000", t.spindleSpeed);

  CTickReads silent;
  silent.NoteStatus(false);
  EXPECT_CALL(fake, GetInputState()).Times(0);
  EXPECT_CALL(fake, GetCurrentPosition(_)).Times(0);
  EXPECT_CALL(fake, GetSpindleSpeed()).Times(0);
  readout.Refresh(fake, silent);
}
