#include "jog_tooltips.h"

#include "main_control_ids.h"

const char* JogTooltipText(int controlId) {
  // Each button names the chord that really makes its move.
  switch (controlId) {
    case IDC_MAIN_JOG_X_PLUS: return "X+I";
    case IDC_MAIN_JOG_X_MINUS: return "X+K";
    case IDC_MAIN_JOG_Y_PLUS: return "X+L";
    case IDC_MAIN_JOG_Y_MINUS: return "X+J";
    case IDC_MAIN_JOG_Z_PLUS: return "Z+I";
    case IDC_MAIN_JOG_Z_MINUS: return "Z+K";
    case IDC_MAIN_JOG_A_PLUS: return "A+J";
    case IDC_MAIN_JOG_A_MINUS: return "A+L";
    default: return nullptr;
  }
}
