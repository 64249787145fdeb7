// Following a firmware installation in the machine's status: its progress on the bar, until the
// machine reports the end of the update or an update error, or stops moving on.
#pragma once

#include "../../../library/controller/clock.h"
#include "../common/page_machine.h"
#include "install_box.h"

enum class UpdateResult {
  kUpdated = 1,  // progress reached 85
  kFailed = 2,   // an update error phase, a status that could not be read, or a stalled machine
};

class CUpdateFollower {
 public:
  static constexpr uint32_t kPollMs = 1000;
  // A machine writing slowly still moves its progress or its phase on; one whose progress and
  // phase stay the same this long will not confirm the installation, and counts as failed.
  static constexpr uint32_t kStallLimitMs = 60000;
  // From this progress on the machine finishes by itself; the pause lets it settle first.
  static constexpr uint32_t kFinishedProgress = 85;
  static constexpr uint32_t kFinishPauseMs = 1500;
  // The bar starts at 10 before sending and never falls back below 15 after.
  static constexpr int kProgressOffset = 15;

  CUpdateFollower(CPageMachine& machine, CClock& clock) : machine_(machine), clock_(clock) {}

  UpdateResult Follow(IInstallBox& box);

 private:
  // True once the progress and the phase have stood still for the stall limit.
  bool HasStalled(uint32_t stateWord);

  CPageMachine& machine_;
  CClock& clock_;
  bool seen_ = false;
  uint32_t lastFields_ = 0;
  uint32_t lastChangeMs_ = 0;
};
