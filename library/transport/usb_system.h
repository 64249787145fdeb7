// The operating-system services that the USB printer-class transport needs: the per-device named
// mutex, the driver's device object, and the print spooler. The Windows adapter is thin; the
// transport's logic stays portable and is tested against a fake.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printer_queue.h"
#include "transport.h"

// How a wait for the per-device mutex ended. Only kAcquired means the lock is held: an
// abandoned mutex may guard a half-finished exchange of a process that died.
enum class MutexWait { kAcquired, kTimedOut, kAbandoned, kFailed };

// How a ReadFile or WriteFile on the device ended. kPending only happens with an overlapped
// record (the call returned FALSE with ERROR_IO_PENDING).
enum class DeviceIo { kDone, kPending, kFailed };

// How listing the local printer queues ended.
enum class QueueList {
  kListed,       // the second EnumPrinters call succeeded; the list may still be empty
  kNoSizeAsked,  // the size query did not fail with ERROR_INSUFFICIENT_BUFFER (e.g. no queues)
  kOutOfMemory,  // the reported size could not be allocated (the adapter reports it to the user)
  kReadFailed,   // the second call into the allocated buffer failed
};

class CUsbSystem {
 public:
  virtual ~CUsbSystem() {}

  // CreateMutexA(no security attributes, not initially owned, name); null on failure.
  virtual OsHandle CreateNamedMutex(const std::string& name) = 0;
  // WaitForSingleObject on the mutex.
  virtual MutexWait WaitMutex(OsHandle mutex, uint32_t timeoutMs) = 0;
  // ReleaseMutex; true when it returned TRUE.
  virtual bool ReleaseNamedMutex(OsHandle mutex) = 0;
  // CloseHandle; true when it returned TRUE.
  virtual bool CloseOsHandle(OsHandle handle) = 0;

  // CreateFileA(path, GENERIC_READ | GENERIC_WRITE, share 0, OPEN_EXISTING, 0x80, plus
  // FILE_FLAG_OVERLAPPED when overlapped); kInvalidDeviceHandle on failure.
  virtual OsHandle OpenDeviceFile(const std::string& path, bool overlapped) = 0;
  // DeviceIoControl without an overlapped record; *returned receives the output byte count.
  virtual bool DeviceControl(OsHandle device, uint32_t controlCode, const void* input,
                             uint32_t inputSize, void* output, uint32_t outputSize,
                             uint32_t* returned) = 0;
  // WriteFile / ReadFile with the given overlapped record (null for synchronous I/O);
  // *transferred receives the byte count of a completed call.
  virtual DeviceIo WriteDevice(OsHandle device, const void* data, uint32_t length,
                               uint32_t* transferred, void* overlapped) = 0;
  virtual DeviceIo ReadDevice(OsHandle device, void* buffer, uint32_t length,
                              uint32_t* transferred, void* overlapped) = 0;

  // EnumPrintersA(PRINTER_ENUM_LOCAL, no server, level 2): a size query with an empty buffer,
  // then the real call; queues in the spooler's order.
  virtual QueueList ListLocalQueues(std::vector<PrinterQueue>& queues) = 0;

  // OpenPrinterA(name, default settings); null on failure.
  virtual OsHandle OpenQueue(const std::string& name) = 0;
  // StartDocPrinterA at level 1: the document name, no output file, data type "RAW".
  virtual bool StartRawDoc(OsHandle printer, const std::string& documentName) = 0;
  virtual bool StartPage(OsHandle printer) = 0;
  // WritePrinter; *written receives the count the spooler took, which may be short.
  virtual bool WriteQueue(OsHandle printer, const void* data, uint32_t length,
                          uint32_t* written) = 0;
  virtual bool EndPage(OsHandle printer) = 0;
  virtual bool EndDoc(OsHandle printer) = 0;
  virtual bool CloseQueue(OsHandle printer) = 0;

  // The driver's device path of the printer queue of that name, found in the registry.
  virtual bool FindDevicePath(const std::string& printerName, std::string& path) = 0;
};

// The process's system services: the Win32 adapter on Windows; on the host a stand-in where
// every call fails.
CUsbSystem& SystemUsb();
