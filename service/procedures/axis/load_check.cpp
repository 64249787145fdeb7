#include "load_check.h"

#include "../../status/input_word.h"
#include "../common/park_return.h"
#include "axis_texts.h"
#include "current_list.h"

namespace {

// Each axis is driven to the far end of its travel first and then past the near end onto its
// limit sensor, so the whole travel is covered under the reduced current.
struct AxisDrive {
  const char* text;
  int axis;
  int firstTarget;
  int sensorTarget;
  int sensorBit;
};

const AxisDrive kDrives[] = {
    {"X", kAxisX, travel::kXTravel, travel::kXSensor, input_word::kXLimitBit},
    {"Y", kAxisY, 0, travel::kYSensor, input_word::kYLimitBit},
    {"Z", kAxisZ, travel::kZDepth, travel::kZSensor, input_word::kZLimitBit},
};

const AxisDrive* FindDrive(const std::string& axisText) {
  for (const AxisDrive& drive : kDrives)
    if (axisText == drive.text) return &drive;
  return nullptr;
}

}  // namespace

void CLoadCheck::Run(const LoadCheckChoice& choice, IProgressBox& box) {
  started_ = passed_ = false;
  why_ = RunBreak::kNone;
  if (!boxes_.Ask(kLoadCheckQuestion)) return;
  if (!choice.axisChosen || !choice.currentChosen) {
    boxes_.Tell(kSelectCurrentAndAxisText);
    return;
  }
  if (!machine_.MayStartJob()) return;
  const int current = LeadingPercent(choice.currentText);
  started_ = true;
  box.Open(kStopHintText);
  bool passed = false;
  if (DriveAndReturn(choice.axisText, current, box, passed)) {
    box.Close();
    log_.AddLog("LoadChecked " + choice.axisText);
  }
  passed_ = passed;
  log_.AddLog(LoadCheckOutcome(choice.axisText, passed, why_));
  Report(passed, box);
}

bool CLoadCheck::DriveAndReturn(const std::string& axisText, int current, IProgressBox& box,
                                bool& passed) {
  AxisVector parked{};
  if (ReturnToPark(machine_, wait_, box, kSpeed, parked, &why_) != ParkOutcome::kParked)
    return false;
  if (!DriveAxis(axisText, current, box, passed)) return false;
  wait_.WaitForMachine(box);
  if (!machine_.MoveTo(parked, kSpeed)) {
    why_ = RunBreak::kMoveRefused;
    return false;
  }
  return WaitFinished(box);
}

bool CLoadCheck::DriveAxis(const std::string& axisText, int current, IProgressBox& box,
                           bool& passed) {
  const AxisDrive* drive = FindDrive(axisText);
  if (drive == nullptr) return true;
  if (!MoveAndWait(drive->axis, drive->firstTarget, current, box)) return false;
  if (!MoveAndWait(drive->axis, drive->sensorTarget, current, box)) return false;
  // A failed read sets every bit; it says nothing about the sensor, so the check fails.
  const int input = machine_.GetInputState();
  passed = input_word::WasRead(input) && (input & drive->sensorBit) != 0;
  return true;
}

bool CLoadCheck::MoveAndWait(int axis, int target, int current, IProgressBox& box) {
  if (!machine_.MoveAxis(axis, target, kSpeed, current)) {
    why_ = RunBreak::kMoveRefused;
    return false;
  }
  return WaitFinished(box);
}

bool CLoadCheck::WaitFinished(IProgressBox& box) {
  if (wait_.WaitForMachine(box) == WaitResult::kFinished) return true;
  why_ = wait_.LastBreak();
  return false;
}

// A sensor reached before the run broke off is still a pass, as the box reports it; the line
// then also tells why the way back did not end normally.
std::string LoadCheckOutcome(const std::string& axisText, bool passed, RunBreak why) {
  const std::string check = "Load check " + axisText;
  if (passed) {
    const std::string verdict = check + " passed: the axis reached its limit sensor";
    return why == RunBreak::kNone ? verdict
                                  : verdict + "; the return to park ended: " + RunBreakText(why);
  }
  if (why == RunBreak::kNone) return check + " failed: the axis did not reach its limit sensor";
  if (why == RunBreak::kCancelled) return check + " cancelled";
  return check + " failed: " + RunBreakText(why);
}

void CLoadCheck::Report(bool passed, IProgressBox& box) {
  if (passed) {
    boxes_.Inform(kLoadSuccessText);
    wait_.WaitForMachine(box);
  } else {
    boxes_.Tell(kLoadFailureText);
  }
  box.Close();
}
