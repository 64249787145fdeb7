// The system services of the USB printer-class transport on Windows: the per-device named
// mutex, the driver's device object and the print spooler. Each operation is one call.
#include <windows.h>
#include <winspool.h>

#include <new>

#include "device_discovery.h"
#include "usb_system.h"

namespace {

// The framework's standard report of memory exhaustion.
void ReportQueueListOutOfMemory() {
  MessageBoxA(nullptr, "Out of memory.", nullptr, MB_OK | MB_ICONSTOP);
}

std::string TextOf(const char* text) { return text == nullptr ? std::string() : text; }

DeviceIo IoResult(BOOL done, void* overlapped) {
  if (done) return DeviceIo::kDone;
  if (overlapped != nullptr && GetLastError() == ERROR_IO_PENDING) return DeviceIo::kPending;
  return DeviceIo::kFailed;
}

class CWin32UsbSystem : public CUsbSystem {
 public:
  OsHandle CreateNamedMutex(const std::string& name) override {
    return CreateMutexA(nullptr, FALSE, name.c_str());
  }

  MutexWait WaitMutex(OsHandle mutex, uint32_t timeoutMs) override {
    switch (WaitForSingleObject(mutex, timeoutMs)) {
      case WAIT_OBJECT_0:
        return MutexWait::kAcquired;
      case WAIT_TIMEOUT:
        return MutexWait::kTimedOut;
      case WAIT_ABANDONED:
        // The wait made this thread the owner. The lock is not counted as taken, so the
        // ownership is given back at once; kept, it would shut every other process out.
        ReleaseMutex(mutex);
        return MutexWait::kAbandoned;
      default:
        return MutexWait::kFailed;
    }
  }

  bool ReleaseNamedMutex(OsHandle mutex) override { return ReleaseMutex(mutex) != FALSE; }
  bool CloseOsHandle(OsHandle handle) override { return CloseHandle(handle) != FALSE; }

  OsHandle OpenDeviceFile(const std::string& path, bool overlapped) override {
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (overlapped ? FILE_FLAG_OVERLAPPED : 0);
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       flags, nullptr);
  }

  bool DeviceControl(OsHandle device, uint32_t controlCode, const void* input,
                     uint32_t inputSize, void* output, uint32_t outputSize,
                     uint32_t* returned) override {
    DWORD count = 0;
    const BOOL ok = DeviceIoControl(device, controlCode, const_cast<void*>(input), inputSize,
                                    output, outputSize, &count, nullptr);
    if (returned) *returned = ok ? count : 0;
    return ok != FALSE;
  }

  DeviceIo WriteDevice(OsHandle device, const void* data, uint32_t length,
                       uint32_t* transferred, void* overlapped) override {
    DWORD count = 0;
    const BOOL ok = WriteFile(device, data, length, &count, static_cast<OVERLAPPED*>(overlapped));
    if (transferred) *transferred = ok ? count : 0;
    return IoResult(ok, overlapped);
  }

  DeviceIo ReadDevice(OsHandle device, void* buffer, uint32_t length, uint32_t* transferred,
                      void* overlapped) override {
    DWORD count = 0;
    const BOOL ok = ReadFile(device, buffer, length, &count, static_cast<OVERLAPPED*>(overlapped));
    if (transferred) *transferred = ok ? count : 0;
    return IoResult(ok, overlapped);
  }

  QueueList ListLocalQueues(std::vector<PrinterQueue>& queues) override {
    DWORD needed = 0, count = 0;
    if (EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      return QueueList::kNoSizeAsked;
    }
    BYTE* buffer = new (std::nothrow) BYTE[needed];
    if (buffer == nullptr) {
      ReportQueueListOutOfMemory();
      return QueueList::kOutOfMemory;
    }
    const bool read = EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer, needed, &needed,
                                    &count) != FALSE;
    if (read) AppendQueues(reinterpret_cast<const PRINTER_INFO_2A*>(buffer), count, queues);
    delete[] buffer;
    return read ? QueueList::kListed : QueueList::kReadFailed;
  }

  OsHandle OpenQueue(const std::string& name) override {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr)) return nullptr;
    return printer;
  }

  bool StartRawDoc(OsHandle printer, const std::string& documentName) override {
    DOC_INFO_1A document = {};
    document.pDocName = const_cast<char*>(documentName.c_str());
    document.pOutputFile = nullptr;
    document.pDatatype = const_cast<char*>("RAW");
    return StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&document)) != 0;
  }

  bool StartPage(OsHandle printer) override { return StartPagePrinter(printer) != FALSE; }

  bool WriteQueue(OsHandle printer, const void* data, uint32_t length,
                  uint32_t* written) override {
    DWORD count = 0;
    const BOOL ok = WritePrinter(printer, const_cast<void*>(data), length, &count);
    if (written) *written = ok ? count : 0;
    return ok != FALSE;
  }

  bool EndPage(OsHandle printer) override { return EndPagePrinter(printer) != FALSE; }
  bool EndDoc(OsHandle printer) override { return EndDocPrinter(printer) != FALSE; }
  bool CloseQueue(OsHandle printer) override { return ClosePrinter(printer) != FALSE; }

  bool FindDevicePath(const std::string& printerName, std::string& path) override {
    return ::FindDevicePath(printerName, path);
  }

 private:
  static void AppendQueues(const PRINTER_INFO_2A* entries, DWORD count,
                           std::vector<PrinterQueue>& queues) {
    for (DWORD i = 0; i < count; ++i) {
      queues.push_back(PrinterQueue{TextOf(entries[i].pPrinterName),
                                    TextOf(entries[i].pDriverName)});
    }
  }
};

}  // namespace

CUsbSystem& SystemUsb() {
  static CWin32UsbSystem system;
  return system;
}
