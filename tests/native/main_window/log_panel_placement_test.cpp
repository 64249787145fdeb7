// The log panel keeps its offset of 315 pixels, and the window grows until the panel shows whole.
#include <gtest/gtest.h>

#include "log_panel_placement.h"

namespace {

TEST(LogPanelPlacement, ThePanelMoves315PixelsDownAndTheWindowGrowsOnlyToShowIt) {
  PixelRect panel = LogPanelRect(266, 197);
  EXPECT_EQ(0, panel.left);
  EXPECT_EQ(315, panel.top);
  EXPECT_EQ(266, panel.right);
  EXPECT_EQ(512, panel.bottom);
  EXPECT_EQ(512 + kLogPanelBottomMargin - 499, ClientGrowthToShow(panel, 499));
  EXPECT_EQ(0, ClientGrowthToShow(panel, 512 + kLogPanelBottomMargin));
  EXPECT_EQ(0, ClientGrowthToShow(panel, 700)) << "a tall window is never shrunk";
}

}  // namespace
