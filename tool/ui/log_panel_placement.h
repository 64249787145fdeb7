// Where the log panel sits in the main window: at its own size, 315 pixels down from the top
// left corner of the window's client area, below the status and sensor boxes.
#pragma once

struct PixelRect {
  int left;
  int top;
  int right;
  int bottom;
};

constexpr int kLogPanelTop = 315;
// Room left below the panel so that its frame does not touch the window's edge.
constexpr int kLogPanelBottomMargin = 7;

PixelRect LogPanelRect(int panelWidth, int panelHeight);

// How many pixels the window's client area must grow so that the whole panel shows: the window
// is sized by its font, the panel's offset is not, so with small fonts the panel would reach
// past the bottom edge.
int ClientGrowthToShow(const PixelRect& panel, int clientHeight);
