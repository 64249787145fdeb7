#include "jog_steps.h"

#include <algorithm>
#include <limits>

#include "../../../library/api/hvx40_facts.h"

namespace {

// The speed entries travel far past every end, so a held button drives to the end of travel.
constexpr std::array<JogStep, 5> kLinearSteps = {{
    {10, 100, true}, {100, 100, true}, {1000, 1000, true}, {240000, 1000, false},
    {240000, 10000, false}}};
constexpr std::array<JogStep, 5> kRotarySteps = {{
    {50, 100, true}, {100, 100, true}, {1000, 1000, true}, {360000, 1000, false},
    {360000, 10000, false}}};

using travel::kXTravel;
using travel::kYTravel;
using travel::kZDepth;
// The tool knows no end stops of the rotary axis; it only keeps the value representable.
constexpr int32_t kRotaryLow = std::numeric_limits<int32_t>::min();
constexpr int32_t kRotaryHigh = std::numeric_limits<int32_t>::max();

constexpr JogMoveInfo kMoves[] = {
    {kAxisX, +1, false, 0, kXTravel, "MoveTools X+"},
    {kAxisX, -1, false, 0, kXTravel, "MoveTools X-"},
    {kAxisY, +1, false, 0, kYTravel, "MoveTools Y+"},
    {kAxisY, -1, false, 0, kYTravel, "MoveTools Y-"},
    {kAxisZ, +1, false, kZDepth, 0, "MoveTools Z+"},
    {kAxisZ, -1, false, kZDepth, 0, "MoveTools Z-"},
    {3, +1, true, kRotaryLow, kRotaryHigh, "MoveTools A+"},
    {3, -1, true, kRotaryLow, kRotaryHigh, "MoveTools A-"},
};

}  // namespace

std::optional<JogStep> LookUpJogStep(const StepRadios& radios, bool rotary) {
  const auto& table = rotary ? kRotarySteps : kLinearSteps;
  for (size_t i = 0; i < radios.size(); ++i) {
    if (radios[i]) return table[i];
  }
  return std::nullopt;
}

const JogMoveInfo& InfoFor(JogMove move) { return kMoves[static_cast<int>(move)]; }

std::optional<AxisVector> JogTarget(const AxisVector& current, JogMove move, int32_t distance) {
  const JogMoveInfo& info = InfoFor(move);
  const int64_t from = current.value[info.axis];
  // Computed wide so that a far step from a position outside the travel cannot overflow.
  int64_t value = from + static_cast<int64_t>(info.direction) * distance;
  if (info.direction > 0) {
    value = std::min<int64_t>(value, info.high);
  } else {
    value = std::max<int64_t>(value, info.low);
  }
  if ((value - from) * info.direction < 0) return std::nullopt;
  AxisVector target = current;
  target.value[info.axis] = static_cast<int32_t>(value);
  return target;
}
