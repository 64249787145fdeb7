// The command line: one command (two words for the params group), its operand, and the common
// options, which may stand before or after the command.
#pragma once

#include <string>
#include <vector>

#include "cli_request.h"

// Fills request from the arguments (the program name excluded). False with the reason in error
// when the line is bad usage; a request for --help is good usage whatever else is missing.
bool ParseArguments(const std::vector<std::string>& args, CliRequest& request, std::string& error);
