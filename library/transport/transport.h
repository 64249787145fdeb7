// The abstract transport through which the controller reaches a machine or the simulator.
#pragma once

#include <cstdint>
#include <string>

#include "../api/hvx40_facts.h"  // OsHandle, kVendorRequest

// How long a process waits for the cross-process lock of a machine: another process may hold
// the machine for a whole bulk transfer; 10 s covers that and still lets a dead peer be noticed.
constexpr uint32_t kLockWaitMs = 10000;
// The job name a machine sees when a file is handed over without one.
constexpr const char kDefaultJobName[] = "RireveZirariduda";

// The read side of a file that the caller opened and keeps owning.
class CFileSource {
 public:
  virtual ~CFileSource() {}
  // Reads up to length bytes; 0 at the end of the file, -1 on a read error.
  virtual int Read(void* buffer, int length) = 0;
  // The file's full path (the simulator is handed the path, not the bytes).
  virtual std::string FullPath() const = 0;
};

// Every implementation keeps the selected device name (empty until selected), whether a device
// is open, and the depth of the cross-process lock (successful Lock calls not yet unlocked).
// No operation throws and none shows a message: failure is told by the result only.
class CTransport {
 public:
  // Fails with an empty device name; otherwise makes sure the device is open and the
  // cross-process lock of the name exists. The lock depth held before is carried over.
  virtual bool Open() = 0;
  // Empties the device name and closes the device; true when nothing was open or the close
  // succeeded. The lock depth stays.
  virtual bool Close() = 0;
  // Asks the open device for its IEEE 1284 device ID; on failure closes the device but keeps
  // its name, so that a later Open reopens the same device.
  virtual bool CheckConnection() = 0;
  // CheckConnection, and Open when that fails.
  virtual bool EnsureOpen() = 0;
  // Hands the whole file to the machine as one job; a null document name becomes
  // "RireveZirariduda". The file stays open and owned by the caller.
  virtual bool SendFile(CFileSource& file, const char* documentName) = 0;
  // One vendor OUT control request: request code 1, the value, index 0, 0 to 4089 bytes.
  virtual bool VendorWrite(uint16_t value, const void* data, uint16_t length) = 0;
  // One vendor IN control request for up to length bytes: the count received, or -1.
  virtual int32_t VendorRead(uint16_t value, void* buffer, uint16_t length) = 0;
  // One transfer on the bulk OUT pipe.
  virtual bool BulkWrite(const void* data, uint32_t length) = 0;
  // One transfer on the bulk IN pipe: the count (0 means nothing available yet), or -1.
  virtual int32_t BulkRead(void* buffer, uint32_t length) = 0;
  // The selected device name; valid until the name changes.
  virtual const char* GetDeviceName() = 0;
  // Waits for the cross-process lock of the device name; on success the depth grows by one.
  // A time-out, an abandoned lock or any failure gives false and leaves the depth unchanged.
  virtual bool Lock(uint32_t timeoutMs) = 0;
  // Lowers the depth by one and releases the lock once; nonzero when released.
  virtual int Unlock() = 0;
  virtual ~CTransport() {}
};
