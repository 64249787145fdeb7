// The line under a long test's text that tells how far it is: the time it has run, and for a
// repeating test the cycles it has completed.
#pragma once

#include <cstdint>
#include <string>

// "Elapsed time: 1:05", with hours once there are any ("Elapsed time: 2:03:07").
std::string ElapsedText(uint32_t elapsedMs);

// ElapsedText followed by "   Cycles: n"; without cycles when cycles is negative.
std::string ProgressLine(uint32_t elapsedMs, int cycles);
