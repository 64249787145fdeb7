#include "page_fixture.h"

#include <cstdio>
#include <cstdlib>

#include "../../../service/procedures/common/compensation_percent.h"
#include "../../../service/procedures/sub/manual_compensation.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::Return;
using testing::SetArgPointee;

class ManualCompensationTest : public PageFixture {
 protected:
  CManualCompensation manual{machine, log};
};

// What the engineer types is a decimal; its double is a hair off, and the product with it.
TEST(CompensationPercent, EveryTypedPercentageStoresItsExactPpm) {
  for (int ppm = -5000; ppm <= 5000; ++ppm) {
    const int percentInPpm = 1000000 + ppm;  // one ppm is 0.0001 %
    char typed[16];
    std::snprintf(typed, sizeof typed, "%d.%04d", percentInPpm / 10000, percentInPpm % 10000);
    ASSERT_EQ(PpmFromPercent(std::strtod(typed, nullptr)), ppm) << typed;
  }
  EXPECT_EQ(PpmFromPercent(100.1), 1000);
  EXPECT_EQ(PpmFromPercent(99.9), -1000);
  EXPECT_EQ(PpmFromPercent(100.5), 5000);
  EXPECT_EQ(PpmFromPercent(100.0), 0);
  EXPECT_EQ(PpmFromPercent(99.8), -2000);
  EXPECT_DOUBLE_EQ(PercentFromPpm(-5000), 99.5);
  EXPECT_DOUBLE_EQ(PercentFromPpm(50), 100.005);
  EXPECT_EQ(PpmFromPercent(1e12), 2147483647);
  EXPECT_EQ(PpmFromPercent(-1e12), -2147483647 - 1);
}

TEST_F(ManualCompensationTest, ManualReadsTheValuesAsPercentagesAndLogs) {
  EXPECT_CALL(fake, GetUserCompensation(_, _, _))
      .WillOnce(DoAll(SetArgPointee<0>(-5000), SetArgPointee<1>(999), SetArgPointee<2>(0),
                      Return(true)));
  const CalibrationModeView view = manual.ApplyMode(false);
  EXPECT_FALSE(view.autoStartEnabled);
  EXPECT_TRUE(view.manualEnabled);
  EXPECT_TRUE(manual.ApplyMode(true).autoStartEnabled);  // auto reads nothing
  EXPECT_FALSE(manual.ApplyMode(true).manualEnabled);
  EXPECT_DOUBLE_EQ(manual.Percents().x, 99.5);
  EXPECT_DOUBLE_EQ(manual.Percents().y, 100.0999);
  EXPECT_DOUBLE_EQ(manual.Percents().z, 100.0);
  EXPECT_EQ(journal, Journal{"log: Get user compensation"});
}

TEST_F(ManualCompensationTest, AFailedReadKeepsTheHeldPercentagesAndLogsNothing) {
  manual.Percents() = CompensationPercents{100.2, 99.7, 100.0};
  EXPECT_CALL(fake, GetUserCompensation(_, _, _))
      .WillOnce(DoAll(SetArgPointee<0>(4000), Return(false)))
      .WillOnce(DoAll(SetArgPointee<0>(4000), Return(false)));
  manual.ApplyMode(false);
  manual.Refresh();
  EXPECT_DOUBLE_EQ(manual.Percents().x, 100.2);
  EXPECT_TRUE(journal.empty());
}

// After a calibration Set the page once still showed the compensation of before.
TEST_F(ManualCompensationTest, ARefreshAfterTheCalibrationBoxShowsWhatTheMachineNowHolds) {
  manual.Percents() = CompensationPercents{100.0, 100.0, 100.0};
  EXPECT_CALL(fake, GetUserCompensation(_, _, _))
      .WillOnce(DoAll(SetArgPointee<0>(-2000), SetArgPointee<1>(999), SetArgPointee<2>(300),
                      Return(true)));
  manual.Refresh();
  EXPECT_DOUBLE_EQ(manual.Percents().x, 99.8);
  EXPECT_DOUBLE_EQ(manual.Percents().y, 100.0999);
  EXPECT_DOUBLE_EQ(manual.Percents().z, 100.03);
  EXPECT_TRUE(journal.empty()) << "a refresh is no action of the engineer's";
}

TEST_F(ManualCompensationTest, SetSendsTheTypedValuesInXYZOrderAndLogs) {
  EXPECT_CALL(fake, SetUserCompensation(1000, -1000, -5000)).WillOnce(Return(1));
  EXPECT_TRUE(manual.Set(CompensationPercents{100.1, 99.9, 99.5}, true));
  EXPECT_EQ(journal, Journal{"log: Set user compensation"});
}

TEST_F(ManualCompensationTest, AFailedSetIsSilentAndARefusedEntryIsNotSent) {
  EXPECT_CALL(fake, SetUserCompensation(_, _, _)).WillOnce(Return(0));
  EXPECT_FALSE(manual.Set(CompensationPercents{}, true));
  EXPECT_FALSE(manual.Set(CompensationPercents{99.4, 100, 100}, false));
  EXPECT_TRUE(journal.empty());
}

}  // namespace
