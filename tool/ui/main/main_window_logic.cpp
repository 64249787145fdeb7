#include "main_window_logic.h"

#include "../../../service/wrapper/hvx_controller.h"
#include "main_control_ids.h"

namespace {

const char kNotSentOnClosingLog[] = "Not sent on closing, the machine not answering: ";

}  // namespace

CMainWindowLogic::CMainWindowLogic(ControllerSource controller, ILogSink& log,
                                   IMessageSink& messages, const IKeyState& keys)
    : m_controller(controller),
      m_log(log),
      m_keys(keys),
      m_jog(controller, log, messages),
      m_spindle(controller, log, messages) {}

void CMainWindowLogic::StartUp(bool connected) {
  m_connected = connected;
  m_status.ShowStartUp(m_controller(), connected);
  if (connected) m_log.AddLog("Open MEK");
}

void CMainWindowLogic::Tick(const TickInput& input) {
  // The timer keeps firing inside the message boxes that a jog of this very tick may show; a
  // tick arriving there is dropped rather than stacking one box on another every 500 ms.
  if (m_inTick) return;
  m_inTick = true;
  RunTick(input);
  m_inTick = false;
}

void CMainWindowLogic::RunTick(const TickInput& input) {
  CHVXController* controller = m_controller();
  // While the machine answers every tick reaches it; while it is silent, one in two seconds.
  if (!controller || m_pace.MayRead(input.nowMs)) {
    m_jog.RetryStop();
    ReadMachine(controller, input.nowMs);
  }
  if (input.chordsMayJog) m_jog.RunKeyChords(m_keys, input.radios);
  NoticeRelease();
  m_jog.RunContinuous(input.radios);
}

// The window learns of a release only once the tick has returned; the tick itself looks at the
// mouse button between its reads, so that a held jog stops without waiting for them.
void CMainWindowLogic::NoticeRelease() {
  if (m_jog.Holding() && !m_keys.IsClickButtonDown()) m_jog.OnHoldEnded();
}

void CMainWindowLogic::ReadMachine(CHVXController* controller, uint32_t nowMs) {
  // Every tick assumes the machine reachable until its status says otherwise, so a machine that
  // comes back on line is picked up without the device manager.
  m_connected = true;
  CTickReads reads([this] { NoticeRelease(); });
  const bool answered = m_status.RefreshStatus(controller, m_connected, reads);
  if (!controller) {
    m_readout.ShowNothingRead();
    return;
  }
  m_pace.StatusRead(answered, nowMs);
  m_readout.Refresh(*controller, reads);
}

void CMainWindowLogic::DeviceManagerClosed(bool connected) {
  m_connected = connected;
  m_log.AddLog(connected ? "Connected" : "DisConnected");
  m_status.RefreshStatus(m_controller(), m_connected);
}

void CMainWindowLogic::EndSession() { m_log.AddLog("Close MEK"); }

void CMainWindowLogic::OnJogButton(int controlId, const StepRadios& radios) {
  m_jog.OnJogButton(controlId, radios);
}

void CMainWindowLogic::OnSpindleBox(bool nowChecked) { m_spindle.OnBoxClicked(nowChecked); }

void CMainWindowLogic::OnSpindleStep(int controlId) {
  if (controlId == IDC_MAIN_SPINDLE_UP) m_spindle.OnSpeedStep(true);
  if (controlId == IDC_MAIN_SPINDLE_DOWN) m_spindle.OnSpeedStep(false);
}

void CMainWindowLogic::OnStop() { m_spindle.Stop(); }

void CMainWindowLogic::LetGo() {
  CHVXController* controller = m_controller();
  if (!controller) return;
  if (m_pace.Silent()) {
    m_log.AddLog(kNotSentOnClosingLog + std::string("stop, spindle off, end of session"));
    return;
  }
  if (!controller->StopMotion()) {
    m_log.AddLog(kStopFailedLog);
    uint32_t stateWord = kStatusNotRead;
    uint32_t handshakeWord = kStatusNotRead;
    if (!controller->GetStatus(&stateWord, &handshakeWord)) {
      m_log.AddLog(kNotSentOnClosingLog + std::string("spindle off, end of session"));
      return;
    }
  }
  controller->SetSpindleSpeed(0);
  controller->SetValue_0209(0);
}

std::vector<ControlText> CMainWindowLogic::FieldTexts() const {
  const StatusTexts& status = m_status.Texts();
  const ReadoutTexts& readout = m_readout.Texts();
  return {
      {IDC_MAIN_DEVICE_NAME, status.deviceName},
      {IDC_MAIN_SERIAL, status.serial},
      {IDC_MAIN_STATUS, status.status},
      {IDC_MAIN_FIRMWARE, status.firmware},
      {IDC_MAIN_USB_ID, status.usbId},
      {IDC_MAIN_COVER, status.cover},
      {IDC_MAIN_X_LIMIT, readout.xLimit},
      {IDC_MAIN_Y_LIMIT, readout.yLimit},
      {IDC_MAIN_Z_LIMIT, readout.zLimit},
      {IDC_MAIN_POS_X, readout.x},
      {IDC_MAIN_POS_Y, readout.y},
      {IDC_MAIN_POS_Z, readout.z},
      {IDC_MAIN_POS_A, readout.a},
      {IDC_MAIN_SPINDLE_SPEED, readout.spindleSpeed},
      {IDC_MAIN_SPINDLE_CURRENT, readout.spindleCurrent},
      {IDC_MAIN_SPINDLE_STATE, m_spindle.Label()},
  };
}
