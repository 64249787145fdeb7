#include "log_panel_placement.h"

PixelRect LogPanelRect(int panelWidth, int panelHeight) {
  return {0, kLogPanelTop, panelWidth, kLogPanelTop + panelHeight};
}

int ClientGrowthToShow(const PixelRect& panel, int clientHeight) {
  int needed = panel.bottom + kLogPanelBottomMargin;
  return needed > clientHeight ? needed - clientHeight : 0;
}
