// The emulator's command line. Options start with '/' (or '-'):
//   /journal <file>      write every request received to the file
//   /journal-ms          begin each journal line with the milliseconds of the emulator's clock
//   /swap                a machine of the other byte order (16- and 32-bit fields big-endian)
//   /report-size <n>     the system report padded to n characters (a 1 MB report for timings)
//   /update-ms <ms>      how long a firmware installation takes (4000)
//   /motion-scale <f>    all axis rates times f (1)
//   /min-current <p>     motor current in percent below which the axes stall (50)
//   /name <device>       the device name of the block (Varnel HVX-40)
//   /cover-open          start with the cover open
//   /absent              start with the device-present bit clear
//   /fault <name>        start with a fault on: noack lateack notready error shortreply bulkstop
//                        busy offline blocked
//   /send <command>      hand one control command to the running emulator and exit
#pragma once

#include <string>
#include <vector>

#include "machine_faults.h"
#include "machine_model.h"
#include "server_switches.h"

extern const char kDefaultDeviceName[];

struct SimOptions {
  MachineOptions machine;
  MachineFaults faults;
  std::string journalPath;
  bool journalStamps = false;
  std::string deviceName = kDefaultDeviceName;
  int minimumCurrent = kDefaultMinimumCurrent;
  bool coverOpen = false;
  bool absent = false;
  ServerFaults serverFaults;
  bool send = false;
  std::string sendCommand;
};

// Splits a Windows command line (without the program name) at blanks outside double quotes.
std::vector<std::string> SplitCommandLine(const std::string& line);

// False with a message in error for an unknown option or a missing or bad value.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error);

// Sets a named fault of the machine or of the server; false for a name the emulator does not
// know.
bool SetFaultByName(const std::string& name, bool on, MachineFaults& faults,
                    ServerFaults& serverFaults);
