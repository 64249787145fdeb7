// What a command works with once its machine is connected (or, for list, without one).
#pragma once

#include <string>
#include <vector>

#include "../library/controller/clock.h"
#include "../service/devices/device_access.h"
#include "../service/procedures/output/library_reload.h"
#include "../service/seams/page_files.h"
#include "../service/seams/window_seams.h"
#include "cli_request.h"
#include "console_output.h"
#include "interrupt.h"
#include "json_object.h"
#include "outcome.h"
#include "progress_line.h"

struct CommandContext {
  const CliRequest& request;
  ControllerSource source;  // the wrapper current at each call: the firmware reload replaces it
  CDeviceAccess& access;    // how machines are listed and opened (USB queues or the emulator)
  IPageFiles& files;
  ILogSink& log;            // the tool's log files, each line naming the queue and serial number
  CClock& clock;
  CProgressLine& progress;  // the firmware installation's percentage on standard error
  ILibraryReload& reload;
  CJsonObject& result;      // members of the --json object
  std::vector<std::string>& lines;  // standard output without --json
  CInterrupt& interrupt;
  IConsole& console;        // the long tests' progress line on standard error
  std::string serial;       // the machine's serial number as read on connecting; empty if not read

  const std::string& Operand() const { return request.operands.front(); }
};

using CommandRun = CommandOutcome (*)(CommandContext& context);
