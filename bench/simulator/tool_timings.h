// Timings of the service tool itself, driven through its main window beside the emulator: how
// soon a released High Speed jog reaches the machine as a stop, and how long the window takes
// to answer a message while the machine answers nothing. Each starts its own emulator and tool.
#pragma once

// Milliseconds from letting go of the mouse on "+X" to the stop in the emulator's journal.
void MeasureReleaseToStop();
// The longest and the median time the idle main window takes to answer a message while every
// request to the machine goes unacknowledged.
void MeasureSilentMachineAnswer();
