// The client side of the block of shared memory through which the library talks to a simulator
// process instead of a machine. Each channel (control, bulk OUT, bulk IN, output file) is a pair
// of named events: the library sets the request and waits at most 500 ms for the acknowledge.
#pragma once

#include <cstdint>
#include <string>

#include "transport.h"

class CSimulatorIpc;  // the named mapping and events; Win32 adapter or a test fake

class CSimulatorLink {
 public:
  CSimulatorLink();                           // the system's named mapping and events
  explicit CSimulatorLink(CSimulatorIpc& ipc);  // tests
  ~CSimulatorLink();

  // Maps "IPC Memory for <deviceName>"; the mapping handle, or kInvalidDeviceHandle.
  OsHandle OpenBlock(const std::string& deviceName, OsHandle window);
  void CloseBlock(OsHandle handle);
  bool IsPresent();
  bool ControlOut(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                  const void* data, uint16_t length);
  int32_t ControlIn(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                    void* buffer, uint16_t length);
  int32_t BulkOut(const void* data, uint32_t length);  // bytes accepted, 0 when not ready, -1
  int32_t BulkIn(void* buffer, uint32_t length);
  bool SendFilePath(const std::string& path);

 private:
  CSimulatorLink(const CSimulatorLink&) = delete;
  CSimulatorLink& operator=(const CSimulatorLink&) = delete;

  CSimulatorIpc& ipc_;
  uint8_t* view_ = nullptr;
};
