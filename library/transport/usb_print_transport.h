// The transport to a machine installed as a printer queue of the USB printer class: vendor
// control requests and the device ID through the driver's device object, bulk transfers through
// ReadFile / WriteFile, whole files as raw print jobs through the spooler. A machine is named
// by its printer queue name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "transport.h"
#include "usb_system.h"

class CUsbPrintTransport : public CTransport {
 public:
  // overlapped: an OVERLAPPED record owned by the creator, or null for synchronous I/O. With a
  // record, bulk writes do not await completion and bulk reads are refused.
  explicit CUsbPrintTransport(void* overlapped);
  CUsbPrintTransport(void* overlapped, CUsbSystem& system);  // tests

  bool Open() override;
  bool Close() override;
  bool CheckConnection() override;
  bool EnsureOpen() override;
  bool SendFile(CFileSource& file, const char* documentName) override;
  bool VendorWrite(uint16_t value, const void* data, uint16_t length) override;
  int32_t VendorRead(uint16_t value, void* buffer, uint16_t length) override;
  bool BulkWrite(const void* data, uint32_t length) override;
  int32_t BulkRead(void* buffer, uint32_t length) override;
  const char* GetDeviceName() override;
  bool Lock(uint32_t timeoutMs) override;
  int Unlock() override;
  // Closes the device and the mutex handle; locks still counted are not released.
  ~CUsbPrintTransport() override;

  // Device primitives. They take the device handle explicitly so that a derived transport can
  // replace the medium and keep all of the logic above.
  virtual bool ResolveDevicePath(const char* deviceName, std::string& path);
  // The device handle, or kInvalidDeviceHandle.
  virtual OsHandle OpenDevice(const std::string& deviceName, const std::string& devicePath);
  virtual bool CloseDevice(OsHandle device);
  // The IEEE 1284 device ID without its two-byte length prefix, into buffer.
  virtual bool QueryDeviceId(OsHandle device, void* buffer, uint32_t size);
  // The count received (never more than length), or -1.
  virtual int32_t VendorGet(OsHandle device, uint8_t request, uint16_t value, uint16_t index,
                            void* buffer, uint16_t length);
  virtual bool VendorSet(OsHandle device, uint8_t request, uint16_t value, uint16_t index,
                         const void* data, uint16_t length);

  // Selects the device; a different name (exact comparison) forgets the cached path. Nothing is
  // opened or closed here.
  void SetDeviceName(const std::string& name);
  // Rebuilds the device list from the local printer queues whose driver name equals driverName
  // (case ignored; a null driverName takes every queue), keeping only those whose device can be
  // opened when onlyOpenable is set. The count, or -1 when the queues cannot be listed.
  int EnumerateDevices(const char* driverName, bool onlyOpenable);
  // Null when index is not below the list's size.
  const char* GetDeviceNameAt(unsigned index) const;
  // The open device's device ID text. False when no device is open or the query fails; a
  // failed query closes the device but keeps its name and path.
  bool ReadDeviceId(std::string& out);

  OsHandle deviceHandle() const { return device_; }
  uint32_t lockDepth() const { return lockDepth_; }
  const std::string& devicePath() const { return devicePath_; }

 protected:
  CUsbSystem& system() { return system_; }

 private:
  CUsbPrintTransport(const CUsbPrintTransport&) = delete;
  CUsbPrintTransport& operator=(const CUsbPrintTransport&) = delete;

  bool ReplaceMutex();
  void CloseOpenDevice();
  bool WriteChunk(OsHandle printer, const uint8_t* data, uint32_t length);
  bool AcceptsQueue(const PrinterQueue& queue, const char* driverName, bool onlyOpenable);

  OsHandle device_ = kInvalidDeviceHandle;
  std::string deviceName_;
  std::string devicePath_;
  void* const overlapped_;
  OsHandle mutex_ = nullptr;
  uint32_t lockDepth_ = 0;
  std::vector<std::string> deviceList_;
  CUsbSystem& system_;
};
