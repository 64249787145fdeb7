#include "main_window_logic.h"

#include "../../wrapper/hvx_controller.h"
#include "main_control_ids.h"

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
  // Every tick assumes the machine reachable until its status says otherwise, so a machine that
  // comes back on line is picked up without the device manager.
  m_connected = true;
  CHVXController* controller = m_controller();
  m_status.RefreshStatus(controller, m_connected);
  if (controller) {
    m_readout.Refresh(*controller);
  } else {
    m_readout.ShowNothingRead();
  }
  m_jog.RunKeyChords(m_keys, input.radios);
  m_jog.RunContinuous(input.radios, input.jogButtons);
}

void CMainWindowLogic::DeviceManagerClosed(bool connected) {
  m_connected = connected;
  m_log.AddLog(connected ? "Connected" : "DisConnected");
  m_status.RefreshStatus(m_controller(), m_connected);
}

void CMainWindowLogic::OnJogButton(int controlId, const StepRadios& radios) {
  m_jog.OnJogButton(controlId, radios);
}

void CMainWindowLogic::OnSpindleBox(bool nowChecked) { m_spindle.OnBoxClicked(nowChecked); }

void CMainWindowLogic::OnSpindleStep(int controlId) {
  if (controlId == main_ids::kSpindlePlus) m_spindle.OnSpeedStep(true, m_connected);
  if (controlId == main_ids::kSpindleMinus) m_spindle.OnSpeedStep(false, m_connected);
}

void CMainWindowLogic::OnStop() { m_spindle.Stop(m_connected); }

std::vector<ControlText> CMainWindowLogic::FieldTexts() const {
  using namespace main_ids;
  const StatusTexts& status = m_status.Texts();
  const ReadoutTexts& readout = m_readout.Texts();
  return {
      {kDeviceNameField, status.deviceName}, {kSerialEdit, status.serial},
      {kStatusEdit, status.status},         {kFirmwareEdit, status.firmware},
      {kUsbIdEdit, status.usbId},           {kCoverText, status.cover},
      {kXLimitText, readout.xLimit},        {kYLimitText, readout.yLimit},
      {kZLimitText, readout.zLimit},        {kXEdit, readout.x},
      {kYEdit, readout.y},                  {kZEdit, readout.z},
      {kAEdit, readout.a},                  {kSpindleSpeedEdit, readout.spindleSpeed},
      {kSpindleCurrentEdit, readout.spindleCurrent}, {kSpindleLabel, m_spindle.Label()},
  };
}
