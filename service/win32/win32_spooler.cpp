#include "win32_spooler.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

bool CWin32PrinterSpooler::LocalQueues(std::vector<PrinterQueue>& queues) {
  DWORD needed = 0, returned = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned);
  // Anything but "buffer too small" (no printers at all included) means there is no list.
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &returned)) {
    return true;
  }
  const PRINTER_INFO_2A* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < returned; ++i) {
    queues.push_back({info[i].pPrinterName ? info[i].pPrinterName : "",
                      info[i].pDriverName ? info[i].pDriverName : ""});
  }
  return true;
}
