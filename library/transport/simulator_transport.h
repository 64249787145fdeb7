// The transport to a simulator process instead of a machine. It keeps every rule of the USB
// printer-class transport (open, close, device ID check, per-device mutex) and carries the
// device primitives, bulk transfers and file jobs through the shared block of its link.
#pragma once

#include <cstdint>
#include <string>

#include "simulator_link.h"
#include "usb_print_transport.h"

class CSimulatorIpc;

class CSimulatorTransport : public CUsbPrintTransport {
 public:
  CSimulatorTransport();
  CSimulatorTransport(CUsbSystem& system, CSimulatorIpc& ipc);  // tests
  // Disconnects from the simulator while the link still exists, then the link goes.
  ~CSimulatorTransport() override;

  // Hands the simulator the file's full path; it reads the file itself. The document name is
  // not used.
  bool SendFile(CFileSource& file, const char* documentName) override;
  // Repeats bulk OUT transfers on the rest of the data until the simulator took all of it.
  bool BulkWrite(const void* data, uint32_t length) override;
  int32_t BulkRead(void* buffer, uint32_t length) override;

  // A simulator has no device path: resolving succeeds and leaves it empty, so every Open
  // reconnects.
  bool ResolveDevicePath(const char* deviceName, std::string& path) override;
  OsHandle OpenDevice(const std::string& deviceName, const std::string& devicePath) override;
  bool CloseDevice(OsHandle device) override;
  bool QueryDeviceId(OsHandle device, void* buffer, uint32_t size) override;
  int32_t VendorGet(OsHandle device, uint8_t request, uint16_t value, uint16_t index,
                    void* buffer, uint16_t length) override;
  bool VendorSet(OsHandle device, uint8_t request, uint16_t value, uint16_t index,
                 const void* data, uint16_t length) override;

  // The window that the simulator's device-change messages go to; used at the next connect.
  void SetOwnerWindow(OsHandle window) { ownerWindow_ = window; }
  OsHandle ownerWindow() const { return ownerWindow_; }

  CSimulatorLink link;

  // A simulator whose bulk OUT stays not ready for this long, or that takes nothing for this
  // long, has stopped; it is asked again after each pause meanwhile.
  static constexpr uint32_t kBulkStallLimitMs = 10000;
  static constexpr uint32_t kNotReadyPauseMs = 1;

 private:
  CSimulatorIpc& ipc_;
  OsHandle ownerWindow_ = nullptr;
};
