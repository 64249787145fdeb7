#include "firmware_upgrade.h"

#include "../../seams/current_controller.h"
#include "../../status/status_word.h"
#include "update_follow.h"

const char kInstallWarningText[] =
    "Installing firmware...\r\nDo not switch off the power or\r\n"
    "disconnect the cable until finishing installation.";

namespace {

const char kStatusFailedText[] = "getting system status was failed";
const char kUpdateModeFailedText[] =
    "Failed to enter updatemode\r\nRestart HVX-40 and try it again.";
const char kSuccessText[] = "Success to update.\nPlease restart HVX-40.";
const char kUpdatedLog[] = "Updated Firmware";
const char kFailureText[] = "Failed to update.\nPlease restart HVX-40.";
const char kFailedLog[] = "Failed to update firmware: ";
const char kStatusUnreadReason[] = "the machine status could not be read";
const char kUpdateModeReason[] = "the machine did not enter update mode";
const char kNotSentReason[] = "the firmware file could not be sent";
const char kNotFinishedReason[] =
    "the machine reported an update error, its status could not be read, it stood still, or it "
    "did not finish in time";
const char kFileReason[] = "the firmware file could not be opened";

const int kUpdateModeArgument = 0;
const int kProgressBeforeSending = 10;

}  // namespace

UpgradeOutcome CFirmwareUpgrade::Run(const std::string& firmwarePath) {
  if (firmwarePath.empty()) {
    s_.boxes.Tell(kSelectFileText);
    return UpgradeOutcome::kNoFile;
  }
  if (!FileOpens(firmwarePath)) return UpgradeOutcome::kNoFile;
  UpgradeOutcome refusal = UpgradeOutcome::kFailed;
  if (!PrepareMachine(refusal)) return refusal;
  return Install(firmwarePath);
}

UpgradeOutcome CFirmwareUpgrade::Install(const std::string& firmwarePath) {
  OpenBox();
  s_.reload.Reload();
  if (!WaitForUpdateMode()) {
    // Sent now, the image would reach a machine that is not waiting for it as a cutting job.
    s_.log.AddLog(kFailedLog + std::string(kUpdateModeReason));
    s_.box.Close();
    s_.boxes.Tell(kUpdateModeFailedText);
    return UpgradeOutcome::kUpdateModeRefused;
  }
  s_.box.SetProgress(kProgressBeforeSending);
  s_.box.PumpMessages();
  if (!sender_.SendDataFile(firmwarePath)) return Fail(kNotSentReason);
  CUpdateFollower follower(s_.machine, s_.clock);
  return follower.Follow(s_.box) == UpdateResult::kUpdated ? Succeed()
                                                            : Fail(kNotFinishedReason);
}

bool CFirmwareUpgrade::FileOpens(const std::string& path) {
  std::vector<uint8_t> none;
  bool longer = false;
  const FileFault fault = s_.files.ReadPrefix(path, 0, none, longer);
  if (fault == FileFault::kNone) return true;
  s_.log.AddLog(kFailedLog + std::string(kFileReason));
  s_.fileBoxes.ShowFileError(path, fault);
  return false;
}

bool CFirmwareUpgrade::PrepareMachine(UpgradeOutcome& refusal) {
  MachineStatus status{};
  if (!s_.machine.ReadStatus(status)) {
    s_.log.AddLog(kFailedLog + std::string(kStatusUnreadReason));
    s_.boxes.Tell(kStatusFailedText);
    refusal = UpgradeOutcome::kStatusUnread;
    return false;
  }
  if (status_word::IsWaitingForImage(status.stateWord)) return true;
  if (!EnterUpdateMode()) {
    s_.log.AddLog(kFailedLog + std::string(kUpdateModeReason));
    s_.boxes.Tell(kUpdateModeFailedText);
    refusal = UpgradeOutcome::kUpdateModeRefused;
    return false;
  }
  return true;
}

bool CFirmwareUpgrade::EnterUpdateMode() {
  return OnCurrentController(s_.source, false, [](CHVXController& c) {
    return c.EnterUpdateMode(kUpdateModeArgument);
  });
}

bool CFirmwareUpgrade::WaitForUpdateMode() {
  const uint32_t start = s_.clock.TickCount();
  for (;;) {
    MachineStatus status{};
    if (s_.machine.ReadStatus(status) && status_word::IsWaitingForImage(status.stateWord)) {
      return true;
    }
    if (ElapsedMs(start, s_.clock.TickCount()) >= kUpdateModeLimitMs) return false;
    s_.clock.Sleep(kUpdateModePollMs);
  }
}

void CFirmwareUpgrade::OpenBox() {
  s_.box.Open(kInstallWarningText);
  s_.box.SetProgress(0);
  s_.box.SetRange(0, 100);
}

UpgradeOutcome CFirmwareUpgrade::Succeed() {
  s_.boxes.Inform(kSuccessText);
  s_.log.AddLog(kUpdatedLog);
  s_.box.Close();
  return UpgradeOutcome::kUpdated;
}

UpgradeOutcome CFirmwareUpgrade::Fail(const char* reason) {
  s_.log.AddLog(kFailedLog + std::string(reason));
  s_.clock.Sleep(kFailurePauseMs);
  s_.boxes.Tell(kFailureText);
  s_.reload.Drop();
  s_.box.Close();
  return UpgradeOutcome::kFailed;
}
