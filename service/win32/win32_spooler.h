// The print spooler's local queues, read with EnumPrintersA at level 2.
#pragma once

#include "../devices/device_access.h"

class CWin32PrinterSpooler : public CPrinterSpooler {
 public:
  bool LocalQueues(std::vector<PrinterQueue>& queues) override;
};
