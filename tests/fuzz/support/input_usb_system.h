// The USB system with a machine behind it that answers every read from the fuzzer's input: the
// device ID, every vendor IN request (status words, reply sizes, replies short, long or cut,
// block reads, the protocol check), every bulk IN transfer, the counts the driver and the
// spooler claim to have taken, the printer queues and the device paths. Each call takes an
// outcome byte first; once the input runs out every call fails.
#pragma once

#include "fuzz_input.h"
#include "usb_system.h"

class CInputUsbSystem : public CUsbSystem {
 public:
  explicit CInputUsbSystem(CFuzzInput& input) : in_(input) {}

  OsHandle CreateNamedMutex(const std::string& name) override;
  MutexWait WaitMutex(OsHandle mutex, uint32_t timeoutMs) override;
  bool ReleaseNamedMutex(OsHandle mutex) override;
  bool CloseOsHandle(OsHandle handle) override;
  OsHandle OpenDeviceFile(const std::string& path, bool overlapped) override;
  bool DeviceControl(OsHandle device, uint32_t controlCode, const void* input, uint32_t inputSize,
                     void* output, uint32_t outputSize, uint32_t* returned) override;
  DeviceIo WriteDevice(OsHandle device, const void* data, uint32_t length,
                       uint32_t* transferred, void* overlapped) override;
  DeviceIo ReadDevice(OsHandle device, void* buffer, uint32_t length, uint32_t* transferred,
                      void* overlapped) override;
  QueueList ListLocalQueues(std::vector<PrinterQueue>& queues) override;
  OsHandle OpenQueue(const std::string& name) override;
  bool StartRawDoc(OsHandle printer, const std::string& documentName) override;
  bool StartPage(OsHandle printer) override;
  bool WriteQueue(OsHandle printer, const void* data, uint32_t length, uint32_t* written) override;
  bool EndPage(OsHandle printer) override;
  bool EndDoc(OsHandle printer) override;
  bool CloseQueue(OsHandle printer) override;
  bool FindDevicePath(const std::string& printerName, std::string& path) override;

 private:
  // The count a call claims to have moved: all of length, or as the outcome byte says any
  // 32-bit count from the input.
  uint32_t ClaimedCount(uint8_t outcome, uint32_t length);

  CFuzzInput& in_;
  intptr_t nextHandle_ = 0x100;
};
