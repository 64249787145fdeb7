// Jogging the axes: single steps by button click or key chord, and continuous moves while a jog
// button is held in the Low and High Speed modes.
#pragma once

#include <array>

#include "jog_steps.h"
#include "window_seams.h"

// Push-button states as the window reads them, in the scan order +X, -X, +Y, -Y, +Z, -Z, +A, -A.
using JogButtonStates = std::array<int, 8>;

enum class ButtonPress { Idle, Held, ReleasedWithFocus };

// Held: pushed down (the mouse is over it). Released with focus: it kept the focus after the
// mouse let go or slid off, which is what ends a continuous move.
ButtonPress ClassifyButtonState(int state);

class CJogControl {
 public:
  CJogControl(ControllerSource controller, ILogSink& log, IMessageSink& messages);

  // One jog as a click, a chord or a held button asks for it; refused silently while the
  // machine is busy or not ready, and ignored while a speed mode governs jogging.
  void Jog(JogMove move, const StepRadios& radios);

  // Jog button click by control id; buttons without a move are ignored.
  void OnJogButton(int controlId, const StepRadios& radios);

  // Every chord whose two keys are down runs its jog, in a fixed order, several per tick.
  void RunKeyChords(const IKeyState& keys, const StepRadios& radios);

  // The step mode that the radio buttons call for: single steps unless a speed mode is chosen.
  void FollowStepRadios(const StepRadios& radios) { m_stepMode = !IsSpeedModeSelected(radios); }

  // The tick's rule: set the step mode from the radio buttons, start the move of a held button
  // in the speed modes, and stop the machine once a jog button is found released.
  void RunContinuous(const StepRadios& radios, const JogButtonStates& buttons);

  bool StepMode() const { return m_stepMode; }

 private:
  bool MoveOneStep(CHVXController& controller, JogMove move, const StepRadios& radios);

  ControllerSource m_controller;
  ILogSink& m_log;
  IMessageSink& m_messages;
  bool m_stepMode = true;
};
