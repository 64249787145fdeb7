// loadcheck: the Axis page's Load Check on each axis in turn, or on the one named. A stalled
// axis fails and the next is checked; a run that broke off ends the command.
#include "../service/procedures/axis/load_check.h"
#include "axis_test_seams.h"
#include "commands.h"
#include "run_settings.h"

namespace {

const char kPassed[] = "passed";
const char kFailed[] = "failed";
const char kNotChecked[] = "not checked";

// Why an axis failed, as the failure line tells it.
std::string FailureReason(const CLoadCheck& check) {
  return check.Why() == RunBreak::kNone ? "the axis did not reach its limit sensor"
                                        : RunBreakText(check.Why());
}

}  // namespace

CommandOutcome RunLoadCheck(CommandContext& context) {
  LoadCheckSettings settings;
  ReadLoadCheckSettings(context.request, settings);
  CAxisTestSeams seams(context, "loadcheck");
  CLoadCheck check(seams.machine, seams.wait, seams.boxes, context.log);
  CJsonObject verdicts;
  for (const std::string& axis : settings.axes) verdicts.SetText(axis, kNotChecked);
  std::string firstFailure;
  bool brokenOff = false;
  for (const std::string& axis : settings.axes) {
    if (context.interrupt.Requested()) break;
    seams.progress.SetStep("axis " + axis);
    check.Run(LoadCheckChoice{true, true, axis, std::to_string(settings.current) + "%"},
              seams.progress);
    if (!check.Started()) return RefusedNotReady();
    verdicts.SetText(axis, check.Passed() ? kPassed : kFailed);
    context.lines.push_back(LoadCheckOutcome(axis, check.Passed(), check.Why()));
    if (!check.Passed() && firstFailure.empty()) {
      firstFailure = "axis " + axis + " failed: " + FailureReason(check);
    }
    // A stall leaves the machine parked and ready for the next axis; any other break does not.
    brokenOff = check.Why() != RunBreak::kNone;
    if (brokenOff) break;
  }
  seams.progress.Close();
  context.result.SetNumber("current", settings.current);
  context.result.SetObject("axes", verdicts);
  context.result.SetTextList("results", context.lines);
  if (seams.progress.Cancelled() || (context.interrupt.Requested() && seams.progress.Opened())) {
    return StoppedByInterrupt("motion and spindle were stopped where the machine stood");
  }
  if (context.interrupt.Requested()) {
    return Failure(ExitCode::kInterrupted, "interrupted before loadcheck reached the machine",
                   "the machine is unchanged");
  }
  if (!firstFailure.empty()) {
    return Failure(ExitCode::kMachineFailed, firstFailure,
                   brokenOff ? "the machine stands where it stopped"
                             : "the machine was returned to the park position");
  }
  return Done();
}
