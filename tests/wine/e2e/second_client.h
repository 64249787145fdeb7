// The test program run a second time as another client of the same emulated device.
#pragma once

constexpr const char kSecondClientOption[] = "--second-client";

// Connects through the library and reads the input word for runMs; the exit code is the number
// of failed reads, or 100 when the library or the connection failed.
int RunSecondClient(unsigned long runMs);
