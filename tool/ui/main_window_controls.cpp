#include "main_window_controls.h"

#include "main/main_control_ids.h"

StepRadios ReadStepRadios(const CDialog& window) {
  StepRadios radios{};
  for (size_t i = 0; i < radios.size(); ++i) {
    radios[i] = window.IsItemChecked(main_ids::kStepRadios[i]);
  }
  return radios;
}

JogButtonStates ReadJogButtonStates(const CDialog& window) {
  JogButtonStates states{};
  for (size_t i = 0; i < states.size(); ++i) {
    HWND button = window.Item(main_ids::kScannedJogButtons[i]);
    states[i] = button != nullptr ? static_cast<int>(SendMessageA(button, BM_GETSTATE, 0, 0)) : 0;
  }
  return states;
}

void ShowFieldTexts(CDialog& window, const std::vector<ControlText>& texts) {
  for (const ControlText& field : texts) {
    if (window.ItemText(field.controlId) != field.text) window.SetItemText(field.controlId, field.text);
  }
}

void EnableMainWindowMachineControls(CDialog& window, bool enable) {
  for (int id : main_ids::kMainWindowMachineControls) window.EnableItem(id, enable);
}
