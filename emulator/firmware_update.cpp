#include "firmware_update.h"

#include <cstring>

namespace {

// Each installing phase with the point (per mille of the total time) where it ends and the
// progress reached there.
struct PhaseStep {
  UpdatePhase phase;
  uint32_t endPermille;
  uint32_t endProgress;
};
const PhaseStep kSteps[] = {
    {kPhaseReceiving, 150, 10},
    {kPhaseDeleting, 300, 25},
    {kPhaseWriting, 750, 75},
    {kPhaseVerifying, 1000, 95},
};
constexpr uint32_t kFinishedProgress = 100;

bool StartsWith(const std::vector<uint8_t>& image, const char* prefix) {
  size_t n = std::strlen(prefix);
  return image.size() >= n && std::memcmp(image.data(), prefix, n) == 0;
}

}  // namespace

void CFirmwareUpdate::Enter() {
  active_ = true;
  imageTaken_ = false;
  failure_ = kPhaseNone;
}

void CFirmwareUpdate::Leave() {
  active_ = false;
  imageTaken_ = false;
  failure_ = kPhaseNone;
}

bool CFirmwareUpdate::TakeImage(const std::vector<uint8_t>& image, uint32_t nowMs) {
  if (!active_ || imageTaken_) return false;
  imageTaken_ = true;
  startMs_ = nowMs;
  PlanFailure(image);
  return true;
}

void CFirmwareUpdate::PlanFailure(const std::vector<uint8_t>& image) {
  failure_ = kPhaseNone;
  if (StartsWith(image, "BADWRITE")) {
    failure_ = kPhaseWriteError;
    failAtPermille_ = 525;
  } else if (StartsWith(image, "BADDELETE")) {
    failure_ = kPhaseDeleteError;
    failAtPermille_ = 225;
  } else if (StartsWith(image, "BADVERIFY")) {
    failure_ = kPhaseVerifyError;
    failAtPermille_ = 800;  // progress 79: below the 85 a host takes as complete
  } else if (StartsWith(image, "BADFIRM")) {
    failure_ = kPhaseFirmError;
    failAtPermille_ = kSteps[0].endPermille;
  } else if (image.empty() || StartsWith(image, "BAD")) {
    failure_ = kPhaseDataError;
    failAtPermille_ = kSteps[0].endPermille;
  }
}

uint32_t CFirmwareUpdate::Elapsed(uint32_t nowMs) const {
  uint64_t permille = static_cast<uint64_t>(static_cast<uint32_t>(nowMs - startMs_)) * 1000 /
                      totalMs_;
  return permille > 1000 ? 1000 : static_cast<uint32_t>(permille);
}

UpdatePhase CFirmwareUpdate::Phase(uint32_t nowMs) const {
  if (!active_) return kPhaseNone;
  if (!imageTaken_) return kPhaseWaiting;
  uint32_t at = Elapsed(nowMs);
  if (failure_ != kPhaseNone && at >= failAtPermille_) return failure_;
  for (const PhaseStep& step : kSteps) {
    if (at < step.endPermille) return step.phase;
  }
  return kPhaseFinished;
}

uint32_t CFirmwareUpdate::Progress(uint32_t nowMs) const {
  if (!active_ || !imageTaken_) return 0;
  uint32_t at = Elapsed(nowMs);
  // A failed installation stops climbing where it failed.
  if (failure_ != kPhaseNone && at > failAtPermille_) at = failAtPermille_;
  uint32_t startPermille = 0;
  uint32_t startProgress = 0;
  for (const PhaseStep& step : kSteps) {
    if (at < step.endPermille) {
      return startProgress + (step.endProgress - startProgress) * (at - startPermille) /
                                 (step.endPermille - startPermille);
    }
    startPermille = step.endPermille;
    startProgress = step.endProgress;
  }
  return failure_ != kPhaseNone ? startProgress : kFinishedProgress;
}

bool CFirmwareUpdate::Ended(uint32_t nowMs) const {
  UpdatePhase phase = Phase(nowMs);
  return phase == kPhaseFinished || phase >= kPhaseFirmError;
}

uint32_t CFirmwareUpdate::StateBits(uint32_t nowMs) const {
  if (!active_) return 0;
  return 0x80000000u | (static_cast<uint32_t>(Phase(nowMs)) << 24) | (Progress(nowMs) << 16);
}
