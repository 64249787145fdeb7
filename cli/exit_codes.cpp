#include "exit_codes.h"

std::string ExitCodeHelp() {
  return "Exit codes:\n"
         "  0  done\n"
         "  2  bad usage (unknown command or option, wrong operands, a refused value)\n"
         "  3  no machine, not connected (library missing, machine not answering or offline)\n"
         "  4  the machine refused or failed the command\n"
         "  5  file error (missing, unreadable, unwritable, or of the wrong size)\n"
         "  6  interrupted with Ctrl+C before the machine was changed\n";
}
