#include "machine_readout.h"

#include <cstdio>

#include "../wrapper/hvx_controller.h"

namespace {

// The input word and the spindle speed read -1 on failure.
constexpr int kReadFailed = -1;

const char* SensorText(int inputWord, int bit) {
  return (inputWord & (1 << bit)) ? "ON" : "---";
}

}  // namespace

std::string FormatPosition(int32_t micrometres) {
  // Six decimals of an exact thousandth end in "000"; dropping the last four characters cuts
  // the third decimal off instead of rounding it.
  char text[32];
  int length = std::snprintf(text, sizeof text, "%f", micrometres / 1000.0);
  if (length < 4) return text;
  return std::string(text, static_cast<size_t>(length - 4));
}

void CMachineReadout::Refresh(CHVXController& controller, CTickReads& reads) {
  int inputWord = kReadFailed;
  if (reads.Go()) inputWord = controller.GetInputState();
  ShowSensors(inputWord);
  ShowPosition(controller, reads);
  int rpm = kReadFailed;
  if (reads.Go()) rpm = controller.GetSpindleSpeed();
  ShowSpindleSpeed(rpm);
}

void CMachineReadout::ShowNothingRead() {
  ShowSensors(kReadFailed);
  m_texts.x = m_texts.y = m_texts.z = m_texts.a = "---";
  ShowSpindleSpeed(kReadFailed);
}

void CMachineReadout::ShowSensors(int inputWord) {
  // A failed read would otherwise show every limit switch as triggered.
  if (inputWord == kReadFailed) {
    m_texts.xLimit = m_texts.yLimit = m_texts.zLimit = "---";
    return;
  }
  m_texts.xLimit = SensorText(inputWord, 0);
  m_texts.yLimit = SensorText(inputWord, 1);
  m_texts.zLimit = SensorText(inputWord, 2);
}

void CMachineReadout::ShowPosition(CHVXController& controller, CTickReads& reads) {
  AxisVector position{};
  if (!reads.Go() || !controller.GetCurrentPosition(&position)) {
    m_texts.x = m_texts.y = m_texts.z = m_texts.a = "---";
    return;
  }
  m_texts.x = FormatPosition(position.value[kAxisX]);
  m_texts.y = FormatPosition(position.value[kAxisY]);
  m_texts.z = FormatPosition(position.value[kAxisZ]);
  m_texts.a = FormatPosition(position.value[3]);
}

void CMachineReadout::ShowSpindleSpeed(int rpm) {
  // A speed that was not read is no standing spindle.
  if (rpm == kReadFailed) {
    m_texts.spindleSpeed = m_texts.spindleCurrent = "---";
    return;
  }
  if (rpm >= 1) {
    m_texts.spindleSpeed = std::to_string(rpm);
    return;
  }
  m_texts.spindleSpeed = "0";
  m_texts.spindleCurrent = "---";
}
