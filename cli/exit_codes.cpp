#include "exit_codes.h"

std::string ExitCodeHelp() {
  return "Exit codes:\n"
         "  0  done\n"
         "  2  bad usage (unknown command or option, wrong operands, a refused value)\n"
         "  3  no machine, not connected (library missing, machine not answering or offline)\n"
         "  4  the machine refused or failed the command\n"
         "  5  file error (missing, unreadable, unwritable, or of the wrong size)\n"
         "  6  interrupted with Ctrl+C before the machine was changed\n"
         "  7  stopped by Ctrl+C after the machine had moved (loadcheck, ageing): motion and\n"
         "     spindle were stopped, and the machine returned to the park position where the\n"
         "     service tool's Cancel does so (ageing)\n";
}
