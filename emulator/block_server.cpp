#include "block_server.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "block_host_ipc.h"

using namespace simblock;

namespace {

// The block's layout as this server lays it out. The path area in front of the pipes has room
// for any Windows path; the control pipe takes a whole vendor header plus 4096 data bytes.
constexpr uint16_t kFirstPipeOffset = 0x200;
constexpr uint16_t kControlCapacity = 4096 + kVendorHeaderSize;
constexpr uint16_t kControlPacketSize = 64;
constexpr uint16_t kBulkCapacity = 4096;
constexpr uint16_t kBulkPacketSize = 512;
constexpr uint16_t kControlPipe = kFirstPipeOffset;
constexpr uint16_t kBulkOutPipe = kControlPipe + kPipeData + kControlCapacity;
constexpr uint16_t kBulkInPipe = kBulkOutPipe + kPipeData + kBulkCapacity;
constexpr uint32_t kBlockSize = 16384;
static_assert(kBulkInPipe + kPipeData + kBulkCapacity <= kBlockSize, "the pipes fit the block");

// The events a server waits on, and the channel each one stands for.
constexpr Event kServedEvents[] = {kControlRequest, kBulkOutRequest, kBulkInRequest,
                                   kOutputFileRequest, kDisconnect};
constexpr int kServedCount = sizeof kServedEvents / sizeof kServedEvents[0];

void LayPipe(uint8_t* view, size_t offsetField, uint16_t offset, uint16_t packet,
             uint16_t capacity) {
  Put16(view + offsetField, offset);
  uint8_t* record = view + offset;
  Put16(record + kPipePacketSize, packet);
  Put16(record + kPipeCapacity, capacity);
  Put16(record + kPipeCount, 0);
  record[kPipeDirection] = kDeviceToHost;
}

}  // namespace

CBlockServer::CBlockServer() : CBlockServer(SystemBlockHostIpc()) {}

CBlockServer::CBlockServer(CBlockHostIpc& ipc) : ipc_(ipc) {}

CBlockServer::~CBlockServer() { Close(); }

bool CBlockServer::Create(const std::string& deviceName) {
  Close();
  mapping_ = ipc_.CreateMapping(MappingName(deviceName), kBlockSize);
  view_ = mapping_ ? ipc_.MapView(mapping_) : nullptr;
  for (int i = 0; view_ && i < kEventCount; ++i) {
    events_[i] = ipc_.CreateNamedEvent(EventName(static_cast<Event>(i), deviceName).c_str());
    if (!events_[i]) break;
  }
  if (!view_ || !events_[kEventCount - 1]) {
    Close();
    return false;
  }
  // Events left signalled by an earlier server or an abandoned client would answer a handshake
  // that nobody served.
  for (OsHandle event : events_) ipc_.ResetEvent(event);
  std::memset(view_, 0, kHeaderSize);
  LayPipe(view_, kControlPipeOffset, kControlPipe, kControlPacketSize, kControlCapacity);
  LayPipe(view_, kBulkOutPipeOffset, kBulkOutPipe, kBulkPacketSize, kBulkCapacity);
  LayPipe(view_, kBulkInPipeOffset, kBulkInPipe, kBulkPacketSize, kBulkCapacity);
  control_ = ControlTransfer();
  SetPresent(present_);
  return true;
}

void CBlockServer::Close() {
  if (view_) {
    // A client that keeps its view must see the device gone rather than wait for answers.
    view_[kStatus1] &= static_cast<uint8_t>(~kDevicePresentBit);
    ipc_.UnmapView(view_);
    view_ = nullptr;
  }
  if (mapping_) ipc_.CloseHandle(mapping_);
  mapping_ = nullptr;
  for (OsHandle& event : events_) {
    if (event) ipc_.CloseHandle(event);
    event = nullptr;
  }
}

void CBlockServer::SetPresent(bool present) {
  present_ = present;
  if (!view_) return;
  if (present) {
    view_[kStatus1] |= kDevicePresentBit;
  } else {
    view_[kStatus1] &= static_cast<uint8_t>(~kDevicePresentBit);
  }
}

void CBlockServer::SetFaults(const ServerFaults& faults) {
  noAcknowledge_ = faults.noAcknowledge;
  lateAcknowledge_ = faults.lateAcknowledge;
  bulkOutHeld_ = faults.bulkOutHeld;
}

ServerFaults CBlockServer::faults() const {
  ServerFaults faults;
  faults.noAcknowledge = noAcknowledge_;
  faults.lateAcknowledge = lateAcknowledge_;
  faults.bulkOutHeld = bulkOutHeld_;
  return faults;
}

bool CBlockServer::ServeOnce(CMachineEndpoint& machine, uint32_t waitMs) {
  if (!view_) return false;
  UpdateBulkOutReady(machine);
  OsHandle waited[kServedCount];
  for (int i = 0; i < kServedCount; ++i) waited[i] = events_[kServedEvents[i]];
  int signalled = ipc_.WaitAny(waited, kServedCount, waitMs);
  if (signalled < 0 || signalled >= kServedCount) return false;
  HandleRequest(kServedEvents[signalled], machine);
  UpdateBulkOutReady(machine);
  return true;
}

void CBlockServer::HandleRequest(Event request, CMachineEndpoint& machine) {
  ipc_.ResetEvent(events_[request]);
  if (request == kDisconnect) {
    // Another client may be in the middle of a transfer: clients close without taking the
    // device's lock, so the transfer in progress is left alone.
    machine.ClientDisconnected();
    return;
  }
  if (noAcknowledge_) {
    // The client gives the transfer up after its time-out; a later one starts with a new setup.
    control_ = ControlTransfer();
    return;
  }
  switch (request) {
    case kControlRequest: ServeControl(machine); break;
    case kBulkOutRequest: ServeBulkOut(machine); break;
    case kBulkInRequest: ServeBulkIn(machine); break;
    case kOutputFileRequest: ServeOutputFile(machine); break;
    default: break;
  }
  // A slow machine: the client has given the transfer up by the time the acknowledge comes.
  // A client that sets its next request meanwhile would take this acknowledge for its own.
  if (lateAcknowledge_.exchange(false)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(kLateAcknowledgeMs));
    if (ipc_.WaitAny(&events_[request], 1, 0) == 0) machine.ClientOutOfStep();
  }
  Acknowledge(static_cast<Event>(request + 1));
}

void CBlockServer::Acknowledge(Event acknowledge) { ipc_.SetEvent(events_[acknowledge]); }

// The pipes lie where this server put them; the offsets in the header are only read by clients,
// which could overwrite them.
uint8_t* CBlockServer::Pipe(size_t offset) const { return view_ + offset; }

void CBlockServer::ServeControl(CMachineEndpoint& machine) {
  if (view_[kSetupPending]) {
    BeginControlTransfer(machine);
    return;
  }
  if (!control_.active) return;  // a stage without a setup: acknowledged, otherwise ignored
  bool hostSends = (control_.requestType & 0x80) == 0;
  uint8_t direction = Pipe(kControlPipe)[kPipeDirection];
  if (hostSends) {
    ServeControlOut(machine);
  } else if (direction == kDeviceToHost) {
    ServeControlIn();
  } else {
    control_.active = false;  // the status stage of a read
  }
}

void CBlockServer::BeginControlTransfer(CMachineEndpoint& machine) {
  control_ = ControlTransfer();
  control_.active = true;
  control_.requestType = view_[kRequestType];
  control_.request = view_[kRequest];
  control_.value = Get16(view_ + kValue);
  control_.length = Get16(view_ + kLength);
  if (control_.requestType & 0x80) {
    control_.data = machine.ControlIn(control_.requestType, control_.request, control_.value,
                                      control_.length);
    if (control_.data.size() > control_.length) control_.data.resize(control_.length);
  }
}

void CBlockServer::ServeControlOut(CMachineEndpoint& machine) {
  uint8_t* pipe = Pipe(kControlPipe);
  if (pipe[kPipeDirection] == kHostToDevice) {
    size_t room = control_.length - std::min<size_t>(control_.length, control_.data.size());
    size_t count = std::min<size_t>({Get16(pipe + kPipeCount), kControlCapacity, room});
    control_.data.insert(control_.data.end(), pipe + kPipeData, pipe + kPipeData + count);
    return;
  }
  // The status stage: the data stage is complete, so the machine sees the whole request.
  control_.active = false;
  std::vector<uint8_t> payload;
  if (control_.data.size() > kVendorHeaderSize) {
    payload.assign(control_.data.begin() + kVendorHeaderSize, control_.data.end());
  }
  machine.ControlOut(control_.requestType, control_.request, control_.value, payload);
}

void CBlockServer::ServeControlIn() {
  uint8_t* pipe = Pipe(kControlPipe);
  size_t remaining = control_.data.size() - control_.sent;
  // A piece that fills whole packets tells the client that more may follow, so only the last
  // piece of the answer may be short.
  size_t piece = remaining;
  if (piece > kControlCapacity) piece = kControlCapacity - kControlCapacity % kControlPacketSize;
  if (piece) std::memcpy(pipe + kPipeData, control_.data.data() + control_.sent, piece);
  Put16(pipe + kPipeCount, static_cast<uint16_t>(piece));
  control_.sent += piece;
}

void CBlockServer::ServeBulkOut(CMachineEndpoint& machine) {
  uint8_t* pipe = Pipe(kBulkOutPipe);
  size_t count = std::min<size_t>(Get16(pipe + kPipeCount), kBulkCapacity);
  machine.BulkOut(pipe + kPipeData, count);
}

void CBlockServer::ServeBulkIn(CMachineEndpoint& machine) {
  uint8_t* pipe = Pipe(kBulkInPipe);
  // The client announces in the count how much it takes; more would be lost on its side.
  size_t wanted = std::min<size_t>(Get16(pipe + kPipeCount), kBulkCapacity);
  std::vector<uint8_t> data = machine.BulkIn(wanted);
  if (data.size() > wanted) data.resize(wanted);
  if (!data.empty()) std::memcpy(pipe + kPipeData, data.data(), data.size());
  Put16(pipe + kPipeCount, static_cast<uint16_t>(data.size()));
  pipe[kPipeDirection] = kDeviceToHost;
}

void CBlockServer::ServeOutputFile(CMachineEndpoint& machine) {
  const char* path = reinterpret_cast<const char*>(view_ + kOutputFilePath);
  size_t room = kFirstPipeOffset - kOutputFilePath;
  machine.OutputFile(std::string(path, strnlen(path, room)));
}

void CBlockServer::UpdateBulkOutReady(CMachineEndpoint& machine) {
  if (!bulkOutHeld_ && machine.BulkOutReady()) {
    view_[kStatus0] &= static_cast<uint8_t>(~kBulkOutNotReadyBit);
  } else {
    view_[kStatus0] |= kBulkOutNotReadyBit;
  }
}
