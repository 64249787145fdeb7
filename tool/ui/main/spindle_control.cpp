#include "spindle_control.h"

#include <algorithm>

#include "../../../service/status/input_word.h"
#include "../../../service/status/status_word.h"
#include "../../../service/wrapper/hvx_controller.h"

namespace {

constexpr int kSpindleOnRpm = 7000;
constexpr int kOverrideStep = 10;
constexpr int kOverrideMax = 100;

// What the log says when STOP did not fully come through.
constexpr char kStopNotSentText[] = "Failed to stop: no machine";
constexpr char kMotionStopFailedText[] = "Failed to stop moving";
constexpr char kSpindleStopFailedText[] = "Failed to stop spindle";

// An unreadable input word says nothing about the cover, so it counts as open.
bool IsCoverClosed(int inputWord) {
  return input_word::WasRead(inputWord) && (inputWord & input_word::kCoverClosedBit) != 0;
}

}  // namespace

CSpindleControl::CSpindleControl(ControllerSource controller, ILogSink& log,
                                 IMessageSink& messages)
    : m_controller(std::move(controller)), m_log(log), m_messages(messages) {}

void CSpindleControl::OnBoxClicked(bool nowChecked) {
  CHVXController* controller = m_controller();
  if (!nowChecked) {
    ShowOff();
    if (controller) controller->SetSpindleSpeed(0);
    return;
  }
  if (!controller) {
    ShowOff();
    return;
  }
  SwitchOn(*controller);
}

void CSpindleControl::SwitchOn(CHVXController& controller) {
  if (!IsCoverClosed(controller.GetInputState())) {
    m_messages.ShowMessage("Cover is open. Close the cover and try it again.");
    ShowOff();
    return;
  }
  // The box shows "ON" only for a spindle that was really switched on.
  if (controller.SetSpindleSpeed(kSpindleOnRpm)) {
    m_boxChecked = true;
    m_label = "ON";
  } else {
    ShowOff();
  }
}

void CSpindleControl::ShowOff() {
  m_boxChecked = false;
  m_label = "OFF";
}

void CSpindleControl::OnSpeedStep(bool up) {
  if (!m_boxChecked) return;
  CHVXController* controller = m_controller();
  if (!controller) return;
  uint32_t stateWord = kStatusNotRead;
  uint32_t handshakeWord = kStatusNotRead;
  if (!controller->GetStatus(&stateWord, &handshakeWord)) return;
  if (!status_word::AllowsJog(stateWord)) return;
  int percent = controller->GetSpindleOverride();
  // A failed read (-1) must not be taken for a value to step from.
  if (percent < 0) return;
  if (up) {
    if (percent + kOverrideStep > kOverrideMax) {
      controller->SetSpindleOverride(kOverrideMax);
      return;
    }
    controller->SetSpindleOverride(percent + kOverrideStep);
    m_log.AddLog("RotateSpindle +");
    return;
  }
  if (percent == 0) {
    Stop();
    return;
  }
  controller->SetSpindleOverride(std::max(percent - kOverrideStep, 0));
  m_log.AddLog("RotateSpindle -");
}

void CSpindleControl::Stop() {
  CHVXController* controller = m_controller();
  if (!controller) {
    m_log.AddLog(kStopNotSentText);
    return;
  }
  const bool motionStopped = controller->StopMotion();
  const bool spindleStopped = controller->SetSpindleSpeed(0);
  // The box keeps showing "ON" while the spindle may still turn.
  if (spindleStopped) ShowOff();
  if (motionStopped && spindleStopped) {
    m_log.AddLog("Stopped Moving");
    return;
  }
  if (!motionStopped) m_log.AddLog(kMotionStopFailedText);
  if (!spindleStopped) m_log.AddLog(kSpindleStopFailedText);
}
