// The motor currents offered for a load check. The list is filled again each time it drops
// down, so a current is always chosen after the axis.
#pragma once

#include <string>
#include <vector>

// The entries for the axis text: "50%", "70%", "100%" for X, Y and Z, none otherwise.
std::vector<std::string> CurrentEntriesFor(const std::string& axisText);

// The leading decimal number of a current text: "50%" gives 50; no digits give 0.
int LeadingPercent(const std::string& currentText);
