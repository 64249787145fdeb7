// How the device manager finds and opens machines: attached machines are the local printer
// queues of the machine's driver, opened with Connect; in simulator mode the one machine is the
// emulator, named by the model string and opened with ConnectSimulator.
#pragma once

#include <string>
#include <vector>

#include "../../library/transport/printer_queue.h"
#include "../wrapper/hvx_controller.h"

// The print spooler's local queues; the Win32 adapter asks EnumPrintersA at level 2.
class CPrinterSpooler {
 public:
  virtual ~CPrinterSpooler() {}
  // False when the list cannot be read (no printers at all included).
  virtual bool LocalQueues(std::vector<PrinterQueue>& queues) = 0;
};

class CDeviceAccess {
 public:
  virtual ~CDeviceAccess() {}
  // Names of the machines in the system's order; false when the list cannot be read.
  virtual bool ListMachines(std::vector<std::string>& names) = 0;
  virtual bool Open(CHVXController& controller, const std::string& name) = 0;
};

class CPrinterAccess : public CDeviceAccess {
 public:
  explicit CPrinterAccess(CPrinterSpooler& spooler) : spooler_(spooler) {}
  bool ListMachines(std::vector<std::string>& names) override;
  bool Open(CHVXController& controller, const std::string& name) override;

 private:
  CPrinterSpooler& spooler_;
};

class CSimulatorAccess : public CDeviceAccess {
 public:
  // The window that the emulator is told about when the library connects to it.
  void SetWindow(int window) { window_ = window; }
  bool ListMachines(std::vector<std::string>& names) override;
  bool Open(CHVXController& controller, const std::string& name) override;

 private:
  int window_ = 0;
};

// Driver names are compared ignoring letter case.
bool IsMachineDriver(const std::string& driverName);
