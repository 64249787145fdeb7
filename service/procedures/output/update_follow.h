// Following a firmware installation in the machine's status: its progress on the bar, until the
// machine reports the end of the update or an update error, stops moving on, or runs out of time.
// The follower knows only its status source and its clock, so that both can be scripted.
#pragma once

#include "../../../library/controller/clock.h"
#include "../../seams/install_box.h"
#include "../common/page_machine.h"

enum class UpdateResult {
  kUpdated = 1,  // progress reached 85
  kFailed = 2,   // an update error phase, an unread status, a stalled or an overdue machine
};

class CUpdateFollower {
 public:
  static constexpr uint32_t kPollMs = 1000;
  // A machine writing slowly still moves its progress or its phase on; one whose progress and
  // phase stay the same this long will not confirm the installation, and counts as failed.
  static constexpr uint32_t kStallLimitMs = 60000;
  // A machine writes and verifies its flash in a few minutes; a quarter of an hour from the send
  // is several times that. One whose progress still moves then without reaching the end (a
  // write started over and over) will not confirm the installation either, and counts as
  // failed, so that the tool is never held for ever.
  static constexpr uint32_t kFollowLimitMs = 15 * 60 * 1000;
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
