// The machine's update mode. Entering it leaves the machine waiting for an image; an image
// handed over as a file is then received, the old firmware deleted, the new one written and
// verified, each phase with its share of the total time, while the progress climbs to 100.
//
// Images the machine refuses, by their first bytes: an empty file or one starting "BAD" is a
// data error (phase 9) after receiving; "BADFIRM" is a firmware error (8) after receiving;
// "BADDELETE" fails half-way through deleting (10); "BADWRITE" half-way through writing (11);
// "BADVERIFY" half-way through verifying (12).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum UpdatePhase : uint32_t {
  kPhaseNone = 0,
  kPhaseWaiting = 1,
  kPhaseReceiving = 2,
  kPhaseDeleting = 3,
  kPhaseWriting = 4,
  kPhaseVerifying = 5,
  kPhaseFinished = 6,
  kPhaseFirmError = 8,
  kPhaseDataError = 9,
  kPhaseDeleteError = 10,
  kPhaseWriteError = 11,
  kPhaseVerifyError = 12,
};

constexpr uint32_t kDefaultUpdateMs = 4000;

class CFirmwareUpdate {
 public:
  void Enter();
  void Leave();
  // An image arrives. False when the machine is not waiting for one.
  bool TakeImage(const std::vector<uint8_t>& image, uint32_t nowMs);

  bool active() const { return active_; }
  UpdatePhase Phase(uint32_t nowMs) const;
  uint32_t Progress(uint32_t nowMs) const;
  // Finished or failed: the machine waits to be restarted.
  bool Ended(uint32_t nowMs) const;
  // The update-mode part of the state word: 8 in bits 28-31, the phase, the progress.
  uint32_t StateBits(uint32_t nowMs) const;

  void SetTotalMs(uint32_t ms) { totalMs_ = ms == 0 ? 1 : ms; }
  uint32_t totalMs() const { return totalMs_; }

 private:
  // Milliseconds into the installation at which the image fails, and how.
  void PlanFailure(const std::vector<uint8_t>& image);
  uint32_t Elapsed(uint32_t nowMs) const;

  bool active_ = false;
  bool imageTaken_ = false;
  uint32_t startMs_ = 0;
  uint32_t totalMs_ = kDefaultUpdateMs;
  UpdatePhase failure_ = kPhaseNone;
  uint32_t failAtPermille_ = 0;
};
