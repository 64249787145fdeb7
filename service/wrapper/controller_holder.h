// The one controller wrapper of the running tool. The device manager replaces it each time it
// opens, the firmware update releases and renews it, and the main window releases it at the end.
#pragma once

#include <functional>

#include "hvx_controller.h"

// Builds a fresh wrapper (writing out, loading and binding the library); null when that fails.
typedef std::function<CHVXController*()> ControllerFactory;

void SetControllerFactory(ControllerFactory factory);

// The current wrapper, or null when none exists.
CHVXController* CurrentController();

// Unloads and frees the current wrapper, if any.
void ReleaseController();

// Releases the current wrapper and creates a new one; the new wrapper, or null.
CHVXController* RenewController();
