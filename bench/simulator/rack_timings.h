// The factory rack's timing: one hvx40ctl ageing run per emulated machine, 1, 2, 4 and 8 of them
// at once, each run's wall time beside its ratio to one machine alone, and what the machine's
// processors were doing meanwhile.
#pragma once

void MeasureRack();
