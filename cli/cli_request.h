// The command line as the program understood it.
#pragma once

#include <map>
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
  // The command's own options by name ("--current" -> "70"; a switch such as "--spindle" has
  // an empty value).
  std::map<std::string, std::string> settings;
};
