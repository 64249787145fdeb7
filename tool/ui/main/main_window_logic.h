// The decisions of the main window, free of any window: what the status box, sensors and
// readouts show, when the machine controls are usable, and what the jog, spindle and STOP
// controls do. The window reads its controls into plain values, calls these operations and
// writes the texts, check marks and enables back.
#pragma once

#include <string>
#include <vector>

#include "../../../service/seams/window_seams.h"
#include "../../../service/status/machine_readout.h"
#include "../../../service/status/status_box.h"
#include "jog_control.h"
#include "silence_pace.h"
#include "spindle_control.h"

// What the tick learns from the window: its step radios, whether key chords may jog now (the
// window is in front with no text field focused, no box and no long operation), and the time.
struct TickInput {
  StepRadios radios{};
  bool chordsMayJog = false;
  uint32_t nowMs = 0;
};

// One text field of the window and what it shows.
struct ControlText {
  int controlId;
  std::string text;
};

class CMainWindowLogic {
 public:
  CMainWindowLogic(ControllerSource controller, ILogSink& log, IMessageSink& messages,
                   const IKeyState& keys);

  // After the device manager ran at start-up and the log's prefix was set: the texts before the
  // first tick, and "Open MEK" in the log when a machine is connected.
  void StartUp(bool connected);

  // The 500 ms timer. Afterwards Connected() tells whether the machine controls are enabled.
  void Tick(const TickInput& input);

  // After the device manager ran on the engineer's demand and the log's prefix was set again:
  // logs the outcome and refreshes the status box. The window stops its timer around the device
  // manager, so no tick runs in between.
  void DeviceManagerClosed(bool connected);

  // The window is closing: the record of the session ends with "Close MEK", connected or not,
  // so that a log read later shows where one session stops and the next begins.
  void EndSession();

  void OnJogButton(int controlId, const StepRadios& radios);
  // A "Cursor Steps" radio button was clicked. The step mode follows at once rather than at the
  // next tick, so that a jog click soon after choosing a speed mode cannot start a move to the
  // end of travel that no button release would stop.
  void OnStepRadioClicked(const StepRadios& radios) { m_jog.FollowStepRadios(radios); }
  void OnSpindleBox(bool nowChecked);
  void OnSpindleStep(int controlId);
  void OnStop();
  // The mouse holds a jog button down, or the hold ended; see CJogControl.
  void OnJogHoldBegan(int controlId) { m_jog.OnHoldBegan(controlId); }
  void OnJogHoldEnded() { m_jog.OnHoldEnded(); }

  // The window is closing: nobody will be at the controls, so motion and spindle stop before
  // the end-of-session command lets go of the machine. A silent machine would hold the window
  // for each send's acknowledge: when the last tick found it silent, or the stop fails and a
  // status read after it fails too, nothing more is sent and the log says what was not.
  void LetGo();

  bool Connected() const { return m_connected; }
  bool StepMode() const { return m_jog.StepMode(); }
  const StatusTexts& Status() const { return m_status.Texts(); }
  const ReadoutTexts& Readout() const { return m_readout.Texts(); }
  const CSpindleControl& Spindle() const { return m_spindle; }

  // Every text the window shows for the machine, by control id, to be written after each event.
  std::vector<ControlText> FieldTexts() const;

 private:
  void RunTick(const TickInput& input);
  void ReadMachine(CHVXController* controller, uint32_t nowMs);
  void NoticeRelease();

  ControllerSource m_controller;
  ILogSink& m_log;
  const IKeyState& m_keys;
  bool m_connected = false;
  bool m_inTick = false;
  CStatusBox m_status;
  CMachineReadout m_readout;
  CJogControl m_jog;
  CSpindleControl m_spindle;
  CSilencePace m_pace;
};
