// The tool's command line: "/simulator" (any letter case) makes it work with the emulator.
#pragma once

bool HasSimulatorSwitch(const char* commandLine);
