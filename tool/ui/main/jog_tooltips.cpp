#include "jog_tooltips.h"

#include "main_control_ids.h"

const char* JogTooltipText(int controlId) {
  // Each button names the chord that really makes its move.
  switch (controlId) {
    case main_ids::kJogXPlus: return "X+I";
    case main_ids::kJogXMinus: return "X+K";
    case main_ids::kJogYPlus: return "X+L";
    case main_ids::kJogYMinus: return "X+J";
    case main_ids::kJogZPlus: return "Z+I";
    case main_ids::kJogZMinus: return "Z+K";
    case main_ids::kJogAPlus: return "A+J";
    case main_ids::kJogAMinus: return "A+L";
    default: return nullptr;
  }
}
