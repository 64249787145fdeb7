// Jogging the axes: single steps by button click or key chord, and continuous moves while a jog
// button is held in the Low and High Speed modes.
#pragma once

#include <optional>

#include "../../../service/seams/window_seams.h"
#include "jog_steps.h"

extern const char kStopFailedLog[];  // "Failed to stop moving"

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

  // The mouse now holds a jog button down (by control id), or its hold ended: button up, slid
  // off, focus lost, or a box took over the window. The end stops, at that moment, a move that
  // the hold started; a stop that fails is logged and stays to be done.
  void OnHoldBegan(int controlId);
  void OnHoldEnded();
  // Tries again a stop that failed, until one succeeds; the tick calls it at the pace at which
  // it may reach the machine.
  void RetryStop();

  // The tick's rule: set the step mode from the radio buttons and, in the speed modes, start the
  // move of the button that the mouse holds.
  void RunContinuous(const StepRadios& radios);

  bool StepMode() const { return m_stepMode; }
  bool Holding() const { return m_held.has_value(); }

 private:
  bool MoveOneStep(CHVXController& controller, JogMove move, const StepRadios& radios);
  // True once the machine took the stop.
  bool TryStop();

  ControllerSource m_controller;
  ILogSink& m_log;
  IMessageSink& m_messages;
  bool m_stepMode = true;
  std::optional<JogMove> m_held;
  bool m_holdMoved = false;
  // A move at speed goes on to the end of its travel until a stop is taken.
  bool m_stopPending = false;
};
