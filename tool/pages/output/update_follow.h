// Following a firmware installation in the machine's status: its progress on the bar, until the
// machine reports the end of the update, an update error, or the poll limit is reached.
#pragma once

#include "../../../library/controller/clock.h"
#include "../common/page_machine.h"
#include "install_box.h"

enum class UpdateResult {
  kUpdated = 1,  // progress reached 85, or the poll limit ran out without an error
  kFailed = 2,   // an update error phase, or the status could not be read
};

class CUpdateFollower {
 public:
  static constexpr uint32_t kPollMs = 1000;
  static constexpr int kPollLimit = 60;
  // From this progress on the machine finishes by itself; the pause lets it settle first.
  static constexpr int kFinishedProgress = 85;
  static constexpr uint32_t kFinishPauseMs = 1500;
  // The bar starts at 10 before sending and never falls back below 15 after.
  static constexpr int kProgressOffset = 15;

  CUpdateFollower(CPageMachine& machine, CClock& clock) : machine_(machine), clock_(clock) {}

  UpdateResult Follow(IInstallBox& box);

 private:
  CPageMachine& machine_;
  CClock& clock_;
};

// The update-mode fields of stateWord: marker 8 in bits 28 to 31, phase in 24 to 27, progress in
// 16 to 23.
bool IsInUpdateMode(uint32_t stateWord);
int UpdatePhase(uint32_t stateWord);
int UpdateProgress(uint32_t stateWord);
// Waiting for its image (phase 1), so it need not be asked to enter update mode again.
bool IsWaitingForImage(uint32_t stateWord);
// Phases 8 to 12: the machine refused the image or could not write or verify it.
bool IsUpdateError(uint32_t stateWord);
