// The log panel keeps its offset of 315 pixels, and the window grows until the panel shows whole.
#include <gtest/gtest.h>

#include "log_panel_placement.h"

namespace {

TEST(LogPanelPlacement, ThePanelKeepsItsSizeAndMoves315PixelsDown) {
  PixelRect rect = LogPanelRect(266, 197);
  EXPECT_EQ(0, rect.left);
  EXPECT_EQ(315, rect.top);
  EXPECT_EQ(266, rect.right);
  EXPECT_EQ(512, rect.bottom);
}

TEST(LogPanelPlacement, TheWindowGrowsOnlyWhenThePanelReachesPastItsBottom) {
  PixelRect panel = LogPanelRect(266, 197);  // bottom edge at 512
  EXPECT_EQ(512 + kLogPanelBottomMargin - 499, ClientGrowthToShow(panel, 499));
  EXPECT_EQ(0, ClientGrowthToShow(panel, 512 + kLogPanelBottomMargin));
  EXPECT_EQ(0, ClientGrowthToShow(panel, 700)) << "a tall window is never shrunk";
}

}  // namespace
