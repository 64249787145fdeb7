// The spindle check box with its cover guard, the override "+" and "-" buttons, and STOP.
#pragma once

#include <string>

#include "../../../service/seams/window_seams.h"

class CSpindleControl {
 public:
  CSpindleControl(ControllerSource controller, ILogSink& log, IMessageSink& messages);

  // The box was clicked and is now checked or not; afterwards BoxChecked() and Label() say how
  // the box and its label must look.
  void OnBoxClicked(bool nowChecked);

  // "+" (up = true) or "-": steps the spindle override by 10 percent while the spindle runs.
  void OnSpeedStep(bool up);

  // Sends the stop of motion and spindle whenever a wrapper exists, whatever the machine's
  // last status said, and logs what came of it.
  void Stop();

  bool BoxChecked() const { return m_boxChecked; }
  const std::string& Label() const { return m_label; }

 private:
  void SwitchOn(CHVXController& controller);
  void ShowOff();

  ControllerSource m_controller;
  ILogSink& m_log;
  IMessageSink& m_messages;
  bool m_boxChecked = false;
  std::string m_label = "OFF";
};
