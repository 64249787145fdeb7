#include "main_window_controls.h"

#include "dialog/message_pump.h"
#include "main/chord_gate.h"
#include "main/main_control_ids.h"

StepRadios ReadStepRadios(const CDialog& window) {
  StepRadios radios{};
  for (size_t i = 0; i < radios.size(); ++i) {
    radios[i] = window.IsItemChecked(main_ids::kStepRadios[i]);
  }
  return radios;
}

bool ChordsMayJogAt(const CDialog& window) {
  char className[32] = "";
  if (HWND focus = GetFocus()) GetClassNameA(focus, className, sizeof className);
  const KeyboardScene scene{GetForegroundWindow() == window.Handle(),
                            IsWindowEnabled(window.Handle()) != FALSE,
                            IsTextFieldClass(className), InsideLongOperation()};
  return ChordsMayJog(scene);
}

void ShowFieldTexts(CDialog& window, const std::vector<ControlText>& texts) {
  for (const ControlText& field : texts) {
    if (window.ItemText(field.controlId) != field.text) window.SetItemText(field.controlId, field.text);
  }
}

void EnableMainWindowMachineControls(CDialog& window, bool enable) {
  for (int id : main_ids::kMainWindowMachineControls) window.EnableItem(id, enable);
}
