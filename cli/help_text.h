// The texts of --help: the program's overview and each command's own page.
#pragma once

#include <string>

// For an empty name the overview; for a command or the params group its own page.
std::string HelpText(const std::string& command);
