// The commands of the console program, one file each (list_command.cpp, status_command.cpp,
// ...). Each reaches the machine through the tool's own page logic and answers its outcome.
#pragma once

#include "command_context.h"

CommandOutcome RunList(CommandContext& context);
CommandOutcome RunStatus(CommandContext& context);
CommandOutcome RunReport(CommandContext& context);
CommandOutcome RunParamsGet(CommandContext& context);
CommandOutcome RunParamsPut(CommandContext& context);
CommandOutcome RunParamsClearUser(CommandContext& context);
CommandOutcome RunParamsClearAll(CommandContext& context);
CommandOutcome RunSerial(CommandContext& context);
CommandOutcome RunSend(CommandContext& context);
CommandOutcome RunFirmware(CommandContext& context);
CommandOutcome RunLoadCheck(CommandContext& context);
CommandOutcome RunAgeing(CommandContext& context);
