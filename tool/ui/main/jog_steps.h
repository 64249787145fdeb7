// The jog moves, the step table chosen by the "Cursor Steps" radio buttons, and the travel that
// jogging stays within.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "../../../library/api/hvx40_types.h"

// Checked state of "1 Step", "10 Step", "100 Step", "Low Speed", "High Speed", in that order.
using StepRadios = std::array<bool, 5>;

enum class JogMove { XPlus, XMinus, YPlus, YMinus, ZPlus, ZMinus, APlus, AMinus };

struct JogStep {
  int32_t distance;  // micrometres, or thousandths of a degree for the rotary axis
  int speed;
  bool stepMode;     // false: the move runs to the end of travel until it is stopped
};

// The entry of the first checked radio button, or nothing when none is checked.
std::optional<JogStep> LookUpJogStep(const StepRadios& radios, bool rotary);

// One entry per move: which value of the AxisVector it changes, in which direction, within which
// travel, and the log line it leaves.
struct JogMoveInfo {
  int axis;
  int direction;  // +1 or -1
  bool rotary;
  int32_t low;
  int32_t high;
  const char* logText;
};

const JogMoveInfo& InfoFor(JogMove move);

// The position one step of `distance` away in the move's direction, kept within the travel.
// Nothing when the axis already stands beyond the travel on the side the move goes to: keeping
// it within the travel would move it the other way. A step from exactly the end stays put.
std::optional<AxisVector> JogTarget(const AxisVector& current, JogMove move, int32_t distance);

// Low and High Speed jog by holding a button.
inline bool IsSpeedModeSelected(const StepRadios& radios) { return radios[3] || radios[4]; }
