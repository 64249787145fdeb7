// One local printer queue as the spooler lists it (PRINTER_INFO_2): the library's USB transport
// and the tool's device manager both find machines among these.
#pragma once

#include <string>

struct PrinterQueue {
  std::string name;        // pPrinterName
  std::string driverName;  // pDriverName; empty when the spooler gives none
};
