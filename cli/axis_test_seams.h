// What the load check and the ageing run stand on without windows: the page's own machine, wait
// and boxes (a script is asked nothing, so every question is answered Yes), and the progress
// line with Ctrl+C as its Cancel.
#pragma once

#include <string>

#include "../service/procedures/common/machine_wait.h"
#include "cli_boxes.h"
#include "command_context.h"
#include "run_progress.h"

// A machine that has answered no status read for a minute in the middle of a motion is lost
// (unplugged, switched off): a rack run fails it rather than waiting for ever for a Ctrl+C.
constexpr uint32_t kSilentMachineLimitMs = 60000;

struct CAxisTestSeams {
  CAxisTestSeams(CommandContext& context, const std::string& name)
      : boxes(true), machine(context.source), wait(machine, context.clock, boxes),
        progress(context.console, context.request.quiet, context.clock, context.interrupt, name) {
    wait.SetSilenceLimit(kSilentMachineLimitMs);
  }

  CCliBoxes boxes;
  CPageMachine machine;
  CMachineWait wait;
  CRunProgress progress;
};

// The ending of a test that Ctrl+C stopped once the machine had moved; left says where the
// machine was left.
CommandOutcome StoppedByInterrupt(const std::string& left);
// The ending of a test that the machine's job guard refused: nothing moved.
CommandOutcome RefusedNotReady();
