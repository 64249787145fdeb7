#include "firmware_upgrade.h"

#include "../info/current_controller.h"
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
    "the machine reported an update error or its status could not be read";

const int kUpdateModeArgument = 0;
const int kProgressBeforeSending = 10;

}  // namespace

bool CFirmwareUpgrade::Run(const std::string& firmwarePath) {
  if (firmwarePath.empty()) {
    s_.boxes.Tell(kSelectFileText);
    return false;
  }
  if (!PrepareMachine()) return false;
  OpenBox();
  s_.reload.Reload();
  s_.box.SetProgress(kProgressBeforeSending);
  s_.box.PumpMessages();
  if (!sender_.SendDataFile(firmwarePath)) {
    Fail(kNotSentReason);
    return false;
  }
  CUpdateFollower follower(s_.machine, s_.clock);
  if (follower.Follow(s_.box) == UpdateResult::kUpdated) {
    Succeed();
    return true;
  }
  Fail(kNotFinishedReason);
  return false;
}

bool CFirmwareUpgrade::PrepareMachine() {
  MachineStatus status{};
  if (!s_.machine.ReadStatus(status)) {
    s_.log.AddLog(kFailedLog + std::string(kStatusUnreadReason));
    s_.boxes.Tell(kStatusFailedText);
    return false;
  }
  if (IsWaitingForImage(status.stateWord)) return true;
  if (!EnterUpdateMode()) {
    s_.log.AddLog(kFailedLog + std::string(kUpdateModeReason));
    s_.boxes.Tell(kUpdateModeFailedText);
    return false;
  }
  return true;
}

bool CFirmwareUpgrade::EnterUpdateMode() {
  return OnCurrentController(s_.source, false, [](CHVXController& c) {
    return c.EnterUpdateMode(kUpdateModeArgument);
  });
}

void CFirmwareUpgrade::OpenBox() {
  s_.box.Open(kInstallWarningText);
  s_.box.SetProgress(0);
  s_.box.SetRange(0, 100);
}

void CFirmwareUpgrade::Succeed() {
  s_.boxes.Inform(kSuccessText);
  s_.log.AddLog(kUpdatedLog);
  s_.box.Close();
}

void CFirmwareUpgrade::Fail(const char* reason) {
  s_.log.AddLog(kFailedLog + std::string(reason));
  s_.clock.Sleep(kFailurePauseMs);
  s_.boxes.Tell(kFailureText);
  s_.reload.Drop();
  s_.box.Close();
}
