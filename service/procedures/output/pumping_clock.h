// The firmware installation's clock in the tool: its waits run inside the Upgrade handler, and
// a window that dispatches nothing for seconds is taken for hung and offered to be ended, in the
// middle of a flash. Every wait is therefore cut into short slices with the waiting window
// messages dispatched before each one: the windows repaint and answer, while the installation
// box keeps the engineer's input off the main window.
#pragma once

#include "../../../library/controller/clock.h"
#include "../../seams/install_box.h"

class CPumpingClock : public CClock {
 public:
  static constexpr uint32_t kSliceMs = 100;

  CPumpingClock(CClock& clock, IInstallBox& box) : clock_(clock), box_(box) {}

  uint32_t TickCount() override { return clock_.TickCount(); }
  // Waits as long as the clock would, dispatching messages before each slice and at the end.
  void Sleep(uint32_t ms) override;

 private:
  CClock& clock_;
  IInstallBox& box_;
};
