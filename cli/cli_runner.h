// The console program from its arguments to its exit code, on seams only: the Win32 entry point
// (main.cpp) supplies the console, the machine access, the files and the clock.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../library/controller/clock.h"
#include "../service/devices/device_access.h"
#include "../service/seams/page_files.h"
#include "console_output.h"
#include "interrupt.h"

struct CliServices {
  IConsole& console;
  CDeviceAccess& printers;   // machines attached over USB
  CDeviceAccess& simulator;  // the emulator (--simulator)
  IPageFiles& files;
  CClock& clock;
  CInterrupt& interrupt;
  // Why the service library could not be loaded, as the tool would have told it; empty if
  // nothing was said.
  std::function<std::string()> loadProblem;
};

// Runs the command and answers the exit code. The controller wrapper comes from the factory
// set in controller_holder; it is released before the function returns.
int RunCli(const std::vector<std::string>& args, CliServices& services);
