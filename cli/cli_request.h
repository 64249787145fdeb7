// The command line as the program understood it.
#pragma once

#include <string>
#include <vector>

struct CliRequest {
  std::string command;                // catalogue name ("status", "params get"); empty for none
  std::vector<std::string> operands;  // FILE or VALUE
  std::string machine;                // --machine NAME
  bool simulator = false;             // --simulator
  bool json = false;                  // --json
  bool quiet = false;                 // --quiet
  bool yes = false;                   // --yes
  bool help = false;                  // --help (or -h, /?)
};
