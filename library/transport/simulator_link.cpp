#include "simulator_link.h"

#include <algorithm>
#include <cstring>

#include "simulator_ipc.h"

using namespace simblock;

namespace {

OsHandle WindowFromField(uint32_t field) {
  return reinterpret_cast<OsHandle>(static_cast<uintptr_t>(field));
}

uint32_t FieldFromWindow(OsHandle window) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window));
}

}  // namespace

uint16_t CSimulatorLink::Pipe::Capacity() const {
  return std::min(Get16(record + kPipeCapacity), maxCapacity);
}

uint16_t CSimulatorLink::Pipe::Count() const {
  return std::min(Get16(record + kPipeCount), Capacity());
}

CSimulatorLink::CSimulatorLink() : CSimulatorLink(SystemSimulatorIpc()) {}

CSimulatorLink::CSimulatorLink(CSimulatorIpc& ipc) : ipc_(ipc) { CreateEvents(kPlainEventsDevice); }

CSimulatorLink::~CSimulatorLink() {
  // The owner closes the mapping handle itself; only the view is ours to give back.
  UnmapBlock();
  CloseEvents();
}

void CSimulatorLink::CreateEvents(const std::string& deviceName) {
  eventsDevice_ = deviceName;
  for (int i = 0; i < kEventCount; ++i) {
    events_[i] = ipc_.CreateNamedEvent(EventName(static_cast<Event>(i), deviceName).c_str());
    overdue_[i] = false;
  }
}

void CSimulatorLink::CloseEvents() {
  for (OsHandle& event : events_) {
    if (event) ipc_.CloseHandle(event);
    event = nullptr;
  }
}

OsHandle CSimulatorLink::OpenBlock(const std::string& deviceName, OsHandle window) {
  UnmapBlock();
  // Each simulator has its own events; a link that reaches another machine takes that one's.
  if (deviceName != eventsDevice_) {
    CloseEvents();
    CreateEvents(deviceName);
  }
  OsHandle mapping = ipc_.OpenMapping(MappingName(deviceName));
  if (!mapping) return kInvalidDeviceHandle;
  if (!MapBlock(mapping)) {
    ipc_.CloseHandle(mapping);
    return kInvalidDeviceHandle;
  }
  Put32(view_ + kClientMainWindow, 0);
  Put32(view_ + kOwnerWindow, FieldFromWindow(window));
  if (!(view_[kStatus1] & kDevicePresentBit)) {
    CloseBlock(mapping);
    return kInvalidDeviceHandle;
  }
  ipc_.PostDeviceChange(window);
  return mapping;
}

bool CSimulatorLink::MapBlock(OsHandle mapping) {
  size_t size = 0;
  view_ = ipc_.MapView(mapping, &size);
  if (!view_) return false;
  // The simulator places the pipes; a block whose records do not lie inside the view is refused
  // rather than trusted.
  if (size < kHeaderSize || !LocatePipe(kControlPipeOffset, size, &control_) ||
      !LocatePipe(kBulkOutPipeOffset, size, &bulkOut_) ||
      !LocatePipe(kBulkInPipeOffset, size, &bulkIn_)) {
    UnmapBlock();
    return false;
  }
  size_t firstPipe = std::min({Get16(view_ + kControlPipeOffset), Get16(view_ + kBulkOutPipeOffset),
                               Get16(view_ + kBulkInPipeOffset)});
  pathRoom_ = firstPipe - kOutputFilePath;
  return true;
}

bool CSimulatorLink::LocatePipe(size_t offsetField, size_t viewSize, Pipe* pipe) const {
  size_t offset = Get16(view_ + offsetField);
  if (offset < kHeaderSize || offset + kPipeData > viewSize) return false;
  pipe->record = view_ + offset;
  pipe->maxCapacity = static_cast<uint16_t>(std::min<size_t>(0xFFFF, viewSize - offset - kPipeData));
  return true;
}

void CSimulatorLink::UnmapBlock() {
  if (!view_) return;
  ipc_.UnmapView(view_);
  view_ = nullptr;
  control_ = bulkOut_ = bulkIn_ = Pipe();
  pathRoom_ = 0;
}

void CSimulatorLink::CloseBlock(OsHandle handle) {
  if (view_) {
    if (view_[kStatus1] & kDevicePresentBit) {
      ipc_.SetEvent(events_[kDisconnect]);
      ipc_.PostDeviceChange(WindowFromField(Get32(view_ + kOwnerWindow)));
    }
    UnmapBlock();
  }
  if (handle && handle != kInvalidDeviceHandle) ipc_.CloseHandle(handle);
}

bool CSimulatorLink::IsPresent() {
  if (!view_) return false;
  if (Get32(view_ + kClientMainWindow) == 0) {
    OsHandle mainWindow = ipc_.MainWindow();
    if (mainWindow) Put32(view_ + kClientMainWindow, FieldFromWindow(mainWindow));
  }
  return (view_[kStatus1] & kDevicePresentBit) != 0;
}

bool CSimulatorLink::Handshake(Event request) {
  OsHandle acknowledge = events_[request + 1];
  ipc_.SetEvent(events_[request]);
  if (!ipc_.WaitEvent(acknowledge, kAcknowledgeTimeoutMs)) {
    overdue_[request] = true;
    overdueSince_[request] = ipc_.TickCount();
    return false;
  }
  ipc_.ResetEvent(acknowledge);
  return true;
}

// Before a transfer touches the block: a simulator that was late may still be busy with it.
void CSimulatorLink::SettleOverdueAcknowledge(Event request) {
  if (!overdue_[request]) return;
  OsHandle acknowledge = events_[request + 1];
  const uint32_t sinceTimeOut = ipc_.TickCount() - overdueSince_[request];
  if (sinceTimeOut < kOverdueAcknowledgeMs) {
    ipc_.WaitEvent(acknowledge, kOverdueAcknowledgeMs - sinceTimeOut);
  }
  ipc_.ResetEvent(acknowledge);
  overdue_[request] = false;
}

bool CSimulatorLink::Setup(uint8_t requestType, uint8_t request, uint16_t value,
                           uint16_t length) {
  SettleOverdueAcknowledge(kControlRequest);
  view_[kSetupPending] = 1;
  view_[kRequestType] = requestType;
  view_[kRequest] = request;
  Put16(view_ + kValue, value);
  Put16(view_ + kIndex, 0);
  Put16(view_ + kLength, length);
  bool acknowledged = Handshake(kControlRequest);
  view_[kSetupPending] = 0;
  return acknowledged;
}

bool CSimulatorLink::ControlOut(uint8_t requestType, uint8_t request, uint16_t value,
                                uint16_t /*index*/, const void* data, uint16_t length) {
  if (!IsPresent()) return false;
  // The setup length counts the vendor header too and travels in 16 bits; a pipe too small for
  // the header could never carry the transfer.
  if (length > 0xFFFF - kVendorHeaderSize || control_.Capacity() < kVendorHeaderSize) return false;
  if (!Setup(requestType & 0x7F, request, value, length + kVendorHeaderSize)) return false;
  if (!SendControlPieces(request, value, static_cast<const uint8_t*>(data), length)) return false;
  control_.SetDirection(kDeviceToHost);
  control_.SetCount(0);
  return Handshake(kControlRequest);
}

bool CSimulatorLink::SendControlPieces(uint8_t request, uint16_t value, const uint8_t* data,
                                       uint16_t length) {
  uint8_t* area = control_.Data();
  size_t capacity = control_.Capacity();
  control_.SetDirection(kHostToDevice);
  area[0] = request;
  area[1] = static_cast<uint8_t>(value >> 8);
  area[2] = static_cast<uint8_t>(value);
  area[3] = 0;
  size_t piece = std::min<size_t>(length, capacity - kVendorHeaderSize);
  if (piece) std::memcpy(area + kVendorHeaderSize, data, piece);
  control_.SetCount(static_cast<uint16_t>(piece + kVendorHeaderSize));
  if (!Handshake(kControlRequest)) return false;
  for (size_t sent = piece; sent < length; sent += piece) {
    piece = std::min<size_t>(length - sent, capacity);
    std::memcpy(area, data + sent, piece);
    control_.SetCount(static_cast<uint16_t>(piece));
    if (!Handshake(kControlRequest)) return false;
  }
  return true;
}

int32_t CSimulatorLink::ControlIn(uint8_t requestType, uint8_t request, uint16_t value,
                                  uint16_t /*index*/, void* buffer, uint16_t length) {
  if (!IsPresent()) return -1;
  if (!Setup(requestType | 0x80, request, value, length)) return -1;
  int32_t received = ReceiveControlPieces(static_cast<uint8_t*>(buffer), length);
  if (received < 0) return -1;
  control_.SetDirection(kHostToDevice);
  control_.SetCount(0);
  return Handshake(kControlRequest) ? received : -1;
}

int32_t CSimulatorLink::ReceiveControlPieces(uint8_t* buffer, uint16_t length) {
  size_t received = 0;
  for (;;) {
    control_.SetDirection(kDeviceToHost);
    if (!Handshake(kControlRequest)) return -1;
    size_t count = control_.Count();
    size_t piece = std::min(count, length - received);
    if (piece) std::memcpy(buffer + received, control_.Data(), piece);
    received += piece;
    // A packet size of 0 cannot divide a piece: every piece then counts as short.
    size_t packet = control_.PacketSize();
    bool shortPiece = packet == 0 || count % packet != 0;
    if (count == 0 || shortPiece || received >= length) return static_cast<int32_t>(received);
  }
}

int32_t CSimulatorLink::BulkOut(const void* data, uint32_t length) {
  if (!IsPresent()) return -1;
  if (view_[kStatus0] & kBulkOutNotReadyBit) return 0;
  // A pipe without room would keep a writer polling for ever.
  if (bulkOut_.Capacity() == 0 && length > 0) return -1;
  uint16_t piece = static_cast<uint16_t>(std::min<uint32_t>(length, bulkOut_.Capacity()));
  SettleOverdueAcknowledge(kBulkOutRequest);
  bulkOut_.SetDirection(kHostToDevice);
  bulkOut_.SetCount(piece);
  if (piece) std::memcpy(bulkOut_.Data(), data, piece);
  return Handshake(kBulkOutRequest) ? piece : -1;
}

int32_t CSimulatorLink::BulkIn(void* buffer, uint32_t length) {
  if (!IsPresent()) return -1;
  // Whatever the simulator places beyond the length asked could not be handed back and would
  // be lost, so the count tells it first how much this transfer takes.
  SettleOverdueAcknowledge(kBulkInRequest);
  bulkIn_.SetCount(static_cast<uint16_t>(std::min<uint32_t>(length, bulkIn_.Capacity())));
  if (!Handshake(kBulkInRequest)) return -1;
  bulkIn_.SetDirection(kDeviceToHost);
  uint16_t piece = static_cast<uint16_t>(std::min<uint32_t>(bulkIn_.Count(), length));
  if (piece) std::memcpy(buffer, bulkIn_.Data(), piece);
  return piece;
}

bool CSimulatorLink::SendFilePath(const std::string& path) {
  if (!IsPresent()) return false;
  // The path and its terminator must end before the first pipe record; a longer one is refused
  // whole rather than cut, since a cut path would name another file.
  if (path.size() + 1 > pathRoom_) return false;
  SettleOverdueAcknowledge(kOutputFileRequest);
  std::memcpy(view_ + kOutputFilePath, path.c_str(), path.size() + 1);
  return Handshake(kOutputFileRequest);
}
