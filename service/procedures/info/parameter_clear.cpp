#include "parameter_clear.h"

#include "../../seams/current_controller.h"

namespace {

const char kClearAllQuestion[] = "Do you really want to clear all parameter?";
const char kClearedAllText[] =
    "Cleared all parameter.\r\nRestart the machine. Then all parameters are reset.";
const char kClearAllFailedText[] = "Failed to clear all parameter";
const char kClearUserQuestion[] = "Do you really want to clear user parameters?";
const char kClearedUserText[] =
    "Cleared user parameters\r\nRestart the machine. Then those parameters are rest.";
const char kClearUserFailedText[] = "Failed to clear user's parameters";

const char kDefaultShortCode[] = "A";
const int kFirstWorkCoordinate = 54;
const int kLastWorkCoordinate = 59;
const int kFirstIndexedValue = 1;
const int kLastIndexedValue = 8;

// Runs step(n) for n = first..last until one is refused; a refusal ends only the series.
template <class Step>
void RunSeries(int first, int last, Step step) {
  for (int n = first; n <= last; ++n) {
    if (!step(n)) return;
  }
}

}  // namespace

bool CParameterClear::ClearAll() {
  if (!boxes_.AskDefaultNo(kClearAllQuestion)) return false;
  const bool cleared = OnCurrentController(
      source_, false, [](CHVXController& c) { return c.ClearAllParameters(); });
  log_.AddLog(cleared ? kClearedAllText : kClearAllFailedText);
  return cleared;
}

bool CParameterClear::ClearUser() {
  if (!boxes_.AskDefaultNo(kClearUserQuestion)) return false;
  const bool cleared = OnCurrentController(
      source_, false, [this](CHVXController& c) { return RunUserSteps(c); });
  log_.AddLog(cleared ? kClearedUserText : kClearUserFailedText);
  return cleared;
}

bool CParameterClear::RunUserSteps(CHVXController& c) {
  const AxisVector zero{};
  if (!c.SetShortCode(kDefaultShortCode)) return false;
  if (c.SetVector_3107(&zero) == 0) return false;
  if (c.SetVector_3335(&zero) == 0) return false;
  RunSeries(kFirstWorkCoordinate, kLastWorkCoordinate,
            [&](int n) { return c.SetWorkCoordinate(n, &zero); });
  if (c.SetByte_3101(0) == 0) return false;
  if (c.SetTriple_3201(0, 0, 0) == 0) return false;
  RunSeries(kFirstIndexedValue, kLastIndexedValue,
            [&](int n) { return c.SetIndexedValue_347B(n, 0) != 0; });
  if (c.SetUserCompensation(0, 0, 0) == 0) return false;
  return c.SetBytePair_0FFD(1, 1);
}
