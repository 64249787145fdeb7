#include "device_access.h"

#include "../../library/transport/equals_ignoring_case.h"
#include "../wrapper/hvx_all_ctr.h"

bool IsMachineDriver(const std::string& driverName) {
  return EqualsIgnoringCase(driverName, kModelName);
}

bool CPrinterAccess::ListMachines(std::vector<std::string>& names) {
  std::vector<PrinterQueue> queues;
  if (!spooler_.LocalQueues(queues)) return false;
  for (const PrinterQueue& queue : queues) {
    if (IsMachineDriver(queue.driverName)) names.push_back(queue.name);
  }
  return true;
}

bool CPrinterAccess::Open(CHVXController& controller, const std::string& name) {
  return controller.Connect(name.c_str());
}

bool CSimulatorAccess::ListMachines(std::vector<std::string>& names) {
  names.push_back(kModelName);
  return true;
}

// The library names the emulator's block after the model string itself, so the row's name
// only identifies the row.
bool CSimulatorAccess::Open(CHVXController& controller, const std::string& /*name*/) {
  return controller.ConnectSimulator(window_);
}
