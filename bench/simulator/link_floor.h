// The floor under every figure of the benchmark: one status read through the simulator link
// alone, without the device lock, the command protocol or the tables.
#pragma once

#include <string>

#include "timing.h"

// Maps the block the emulator serves under deviceName and times status reads through it; the
// summary has failures == count when the block could not be opened.
Summary MeasureLinkFloor(const std::string& deviceName, int count);
