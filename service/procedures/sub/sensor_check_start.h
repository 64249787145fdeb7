// The Sub page's sensor check Start: the job guard, then the check box, logged before and after.
#pragma once

#include <functional>
#include <string>

#include "../../seams/window_seams.h"
#include "../common/page_machine.h"

// Runs runBox (the modal sensor check box) unless the machine reports that it is not ready for a
// job. runBox returns the check's outcome for the log, which follows "Checked Sensor" (logged
// whatever the outcome).
void StartSensorCheck(CPageMachine& machine, ILogSink& log,
                      const std::function<std::string()>& runBox);
