// The pages reach the machine through whichever wrapper is current when they act: the device
// manager and the firmware installation replace it, and after a failed installation there is
// none at all until the engineer reconnects.
#pragma once

#include "../wrapper/hvx_controller.h"
#include "window_seams.h"

// op on the current wrapper, or none when there is no wrapper: the answer an unbound wrapper
// would give.
template <class Result, class Op>
Result OnCurrentController(const ControllerSource& source, Result none, Op op) {
  CHVXController* controller = source ? source() : nullptr;
  return controller != nullptr ? op(*controller) : none;
}
