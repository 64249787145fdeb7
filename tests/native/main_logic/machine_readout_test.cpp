#include <gtest/gtest.h>

#include "machine_readout.h"
#include "main_test_doubles.h"

using hvxtest::ReturnPosition;
using testing::_;
using testing::InSequence;
using testing::NiceMock;
using testing::Return;

TEST(PositionFormatTest, CutsToTwoDecimalsWithoutRounding) {
  EXPECT_EQ("12.34", FormatPosition(12349));
  EXPECT_EQ("12.34", FormatPosition(12340));
  EXPECT_EQ("0.00", FormatPosition(0));
  EXPECT_EQ("0.00", FormatPosition(9));
  EXPECT_EQ("0.01", FormatPosition(10));
  EXPECT_EQ("203.20", FormatPosition(203200));
  EXPECT_EQ("152.39", FormatPosition(152399));
}

TEST(PositionFormatTest, NegativeValuesAreCutTowardZeroAndKeepTheirSign) {
  EXPECT_EQ("-12.34", FormatPosition(-12349));
  EXPECT_EQ("-60.50", FormatPosition(-60500));
  EXPECT_EQ("-0.00", FormatPosition(-5));
  EXPECT_EQ("-0.01", FormatPosition(-19));
  EXPECT_EQ("-2147483.64", FormatPosition(-2147483647 - 1));
}

class MachineReadoutTest : public testing::Test {
 protected:
  NiceMock<CFakeHVXController> fake;
  CMachineReadout readout;
};

TEST_F(MachineReadoutTest, ReadsInputWordPositionAndSpindleInThatOrder) {
  InSequence order;
  EXPECT_CALL(fake, GetInputState()).WillOnce(Return(0));
  EXPECT_CALL(fake, GetCurrentPosition(_)).WillOnce(Return(false));
  EXPECT_CALL(fake, GetSpindleSpeed()).WillOnce(Return(0));
  readout.Refresh(fake);
}

TEST_F(MachineReadoutTest, LimitSensorsFollowTheirBits) {
  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x1 | 0x4 | 0x40));
  readout.Refresh(fake);
  EXPECT_EQ("ON", readout.Texts().xLimit);
  EXPECT_EQ("---", readout.Texts().yLimit);
  EXPECT_EQ("ON", readout.Texts().zLimit);

  ON_CALL(fake, GetInputState()).WillByDefault(Return(0x2));
  readout.Refresh(fake);
  EXPECT_EQ("---", readout.Texts().xLimit);
  EXPECT_EQ("ON", readout.Texts().yLimit);
  EXPECT_EQ("---", readout.Texts().zLimit);

  // A failed read must not show every switch as triggered.
  ON_CALL(fake, GetInputState()).WillByDefault(Return(-1));
  readout.Refresh(fake);
  EXPECT_EQ("---", readout.Texts().xLimit);
  EXPECT_EQ("---", readout.Texts().yLimit);
  EXPECT_EQ("---", readout.Texts().zLimit);
}

TEST_F(MachineReadoutTest, PositionsShowXYZAndTheFourthValue) {
  ON_CALL(fake, GetCurrentPosition(_))
      .WillByDefault(ReturnPosition({203200, 12349, -60500, 90005, 777, 888}));
  readout.Refresh(fake);
  EXPECT_EQ("203.20", readout.Texts().x);
  EXPECT_EQ("12.34", readout.Texts().y);
  EXPECT_EQ("-60.50", readout.Texts().z);
  EXPECT_EQ("90.00", readout.Texts().a);

  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Return(false));
  readout.Refresh(fake);
  EXPECT_EQ("---", readout.Texts().x);
  EXPECT_EQ("---", readout.Texts().y);
  EXPECT_EQ("---", readout.Texts().z);
  EXPECT_EQ("---", readout.Texts().a);
}

TEST_F(MachineReadoutTest, SpindleSpeedBelowOneShowsZeroAndMarksTheCurrentField) {
  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(7000));
  readout.Refresh(fake);
  EXPECT_EQ("7000", readout.Texts().spindleSpeed);
  EXPECT_EQ("", readout.Texts().spindleCurrent);

  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(-1));
  readout.Refresh(fake);
  EXPECT_EQ("0", readout.Texts().spindleSpeed);
  EXPECT_EQ("---", readout.Texts().spindleCurrent);

  ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(1));
  readout.Refresh(fake);
  EXPECT_EQ("1", readout.Texts().spindleSpeed);
}
