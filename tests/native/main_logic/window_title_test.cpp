#include <gtest/gtest.h>

#include "../../../service/status/job_readiness.h"
#include "main_test_doubles.h"
#include "window_title.h"

namespace {
FileVersion Version(int major, int minor, int build, int revision) {
  return {static_cast<uint32_t>(major << 16 | minor), static_cast<uint32_t>(build << 16 | revision)};
}
}  // namespace

TEST(WindowTitleTest, ModelNameLosesItsDashesAndMinorAndBuildStandSideBySide) {
  EXPECT_EQ(" Ver. 3.1012", FormatVersionSuffix(Version(3, 10, 12, 0)));
  EXPECT_EQ("HVX40MEK Ver. 1.02", FormatWindowTitle(nullptr, Version(1, 0, 2, 5)));
  EXPECT_EQ("HVX40MEK Ver. 1.02", FormatWindowTitle("", Version(1, 0, 2, 9)));
  EXPECT_EQ("HVX40MEK", FormatWindowTitle(nullptr, std::nullopt)) << "version unreadable";
  EXPECT_EQ("VarnelHVX40MEK Ver. 2.13", FormatWindowTitle("Varnel-HVX-40", Version(2, 1, 3, 0)));

  testing::NiceMock<CFakeHVXController> fake;
  EXPECT_CALL(fake, GetDeviceNameAt(0)).Times(0);
  EXPECT_CALL(fake, GetDeviceNameAt(1)).WillOnce(testing::Return("HVX-40 Bench"));
  EXPECT_EQ("HVX40 BenchMEK Ver. 1.02", WindowTitleFor(&fake, Version(1, 0, 2, 0)));
  EXPECT_EQ("HVX40MEK Ver. 1.02", WindowTitleFor(nullptr, Version(1, 0, 2, 0)));
}

TEST(JobReadinessTest, ReadyExactlyInTheSetUpAndReadyStatesWhenNotBlockedOrMoving) {
  for (uint32_t state = 0; state < 16; ++state) {
    bool expected = state == 0 || state == 1 || state == 2 || state == 8 || state == 9 ||
                    state == 10;
    EXPECT_EQ(expected, IsReadyForJob(state)) << "state " << state;
    EXPECT_FALSE(IsReadyForJob(state | 0x40)) << "job blocked, state " << state;
    EXPECT_FALSE(IsReadyForJob(state | 0x800)) << "moving, state " << state;
  }
  EXPECT_TRUE(IsReadyForJob(0x2 | 0x20000)) << "other bits do not matter";
}
