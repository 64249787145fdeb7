// The client side of the block of shared memory through which the library talks to a simulator
// process instead of a machine. Each channel (control, bulk OUT, bulk IN, output file) is a pair
// of named events: the library sets the request and waits at most 500 ms for the acknowledge.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "simulator_block.h"
#include "transport.h"

class CSimulatorIpc;  // the named mapping and events; Win32 adapter or a test fake

class CSimulatorLink {
 public:
  CSimulatorLink();                             // the system's named mapping and events
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

  // The acknowledge of a handshake is awaited this long before the transfer fails.
  static constexpr uint32_t kAcknowledgeTimeoutMs = 500;
  // After a time-out the simulator may still finish the transfer it was late with and set the
  // acknowledge then; the channel's next transfer first waits for it until this long after the
  // time-out, so that it cannot pass for the acknowledge of a new request. Later than that it
  // counts as lost. The bound runs from the time-out, so that a caller polling a silent machine
  // at a slow pace is not held up again at each poll.
  static constexpr uint32_t kOverdueAcknowledgeMs = 1000;

 private:
  CSimulatorLink(const CSimulatorLink&) = delete;
  CSimulatorLink& operator=(const CSimulatorLink&) = delete;

  // A pipe record of the mapped block, with the largest capacity that still fits in the view,
  // so that a simulator announcing a larger one cannot make the library write past the block.
  struct Pipe {
    uint8_t* record = nullptr;
    uint16_t maxCapacity = 0;
    uint16_t PacketSize() const { return simblock::Get16(record + simblock::kPipePacketSize); }
    uint16_t Capacity() const;
    uint16_t Count() const;  // never above Capacity()
    void SetCount(uint16_t count) { simblock::Put16(record + simblock::kPipeCount, count); }
    void SetDirection(uint8_t direction) { record[simblock::kPipeDirection] = direction; }
    uint8_t* Data() const { return record + simblock::kPipeData; }
  };

  void CreateEvents(const std::string& deviceName);
  void CloseEvents();
  bool MapBlock(OsHandle mapping);
  bool LocatePipe(size_t offsetField, size_t viewSize, Pipe* pipe) const;
  void UnmapBlock();
  bool Handshake(simblock::Event request);
  void SettleOverdueAcknowledge(simblock::Event request);
  bool Setup(uint8_t requestType, uint8_t request, uint16_t value, uint16_t length);
  bool SendControlPieces(uint8_t request, uint16_t value, const uint8_t* data, uint16_t length);
  int32_t ReceiveControlPieces(uint8_t* buffer, uint16_t length);

  CSimulatorIpc& ipc_;
  uint8_t* view_ = nullptr;
  OsHandle events_[simblock::kEventCount] = {};
  std::string eventsDevice_;  // the device whose events these are
  bool overdue_[simblock::kEventCount] = {};  // by request event: its acknowledge timed out
  uint32_t overdueSince_[simblock::kEventCount] = {};  // ... at this tick
  Pipe control_;
  Pipe bulkOut_;
  Pipe bulkIn_;
  size_t pathRoom_ = 0;  // bytes between the path field and the first pipe record
};
