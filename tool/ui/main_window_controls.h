// Moving values between the main window's controls and its logic: the step radios and jog
// button states it reads, the texts it shows, and the machine controls it enables.
#pragma once

#include <vector>

#include "dialog/dialog.h"
#include "main/main_window_logic.h"

StepRadios ReadStepRadios(const CDialog& window);

// Whether the jog key chords may act now: the window itself in front and enabled, no field
// that takes letters focused, no long operation running.
bool ChordsMayJogAt(const CDialog& window);

// Writes each text whose field shows something else, so that unchanged fields neither flicker
// nor lose the engineer's selection every 500 ms.
void ShowFieldTexts(CDialog& window, const std::vector<ControlText>& texts);

void EnableMainWindowMachineControls(CDialog& window, bool enable);
