// ageing: the Axis page's Aging with an end of its own, N cycles or M minutes, after which it
// winds down and parks as the tool's Cancel does.
#include "../service/procedures/axis/ageing_run.h"
#include "axis_test_seams.h"
#include "commands.h"
#include "run_settings.h"

namespace {

const char kParkedText[] = " and the machine returned to the park position";
const char kNotParkedText[] = "; the return to the park position did not end normally";

std::string CyclesDone(int cycles) {
  return std::to_string(cycles) + (cycles == 1 ? " cycle" : " cycles");
}

}  // namespace

CommandOutcome RunAgeing(CommandContext& context) {
  AgeingSettings settings;
  ReadAgeingSettings(context.request, settings);
  CAxisTestSeams seams(context, "ageing");
  CAgeingRun run(seams.machine, seams.wait, seams.boxes, context.log);
  CClock& clock = context.clock;
  const uint32_t start = clock.TickCount();
  const uint32_t minutesMs = static_cast<uint32_t>(settings.minutes) * 60000u;
  run.SetPlannedEnd([&](int cycles) {
    return settings.cycles > 0 ? cycles >= settings.cycles
                               : ElapsedMs(start, clock.TickCount()) >= minutesMs;
  });
  run.Run(settings.spindle, seams.progress);
  seams.progress.Close();
  if (!run.Started()) return RefusedNotReady();
  context.result.SetNumber("cycles", run.Cycles());
  context.result.SetText("ended", RunBreakText(run.End()));
  context.result.SetFlag("parked", run.Parked());
  context.result.SetFlag("spindle", settings.spindle);
  context.lines.push_back(AgeingOutcome(run.Cycles(), run.End()));
  const std::string parking = run.Parked() ? kParkedText : kNotParkedText;
  if (seams.progress.Cancelled()) {
    return StoppedByInterrupt("motion and spindle were stopped after " + CyclesDone(run.Cycles()) +
                              parking);
  }
  if (run.End() != RunBreak::kRunComplete) {
    return Failure(ExitCode::kMachineFailed,
                   "the run ended after " + CyclesDone(run.Cycles()) + ": " + RunBreakText(run.End()),
                   "the spindle was stopped" + parking);
  }
  if (!run.Parked()) {
    return Failure(ExitCode::kMachineFailed,
                   "the return to the park position after " + CyclesDone(run.Cycles()) +
                       " did not end normally",
                   "the spindle was stopped");
  }
  return Done();
}
