// Sending a whole file to the machine as one job.
#pragma once

#include "../controller/command_protocol.h"

// path: the address of a variable holding the pointer to the path. A file that cannot be
// opened is reported with the standard file-error box and gives false.
bool OutputFile(CCommandProtocol& protocol, const char* const* path, const char* jobName);
