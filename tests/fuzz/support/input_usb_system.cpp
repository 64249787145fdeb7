#include "input_usb_system.h"

#include <algorithm>

namespace {

// The model name the controller lists queues by; one input bit gives a queue that driver.
const char kMachineDriver[] = "Varnel HVX-40";
constexpr size_t kMostQueues = 8;

// The low bits of an outcome byte: zero (as every byte past the input's end) fails the call.
bool Succeeded(uint8_t outcome) { return (outcome & 0x0F) != 0; }
// Bit 4 of an outcome byte: the call claims to have moved some other count than length.
constexpr uint8_t kOtherCount = 0x10;

}  // namespace

uint32_t CInputUsbSystem::ClaimedCount(uint8_t outcome, uint32_t length) {
  return (outcome & kOtherCount) ? in_.Word32() : length;
}

OsHandle CInputUsbSystem::CreateNamedMutex(const std::string&) {
  return reinterpret_cast<OsHandle>(nextHandle_++);
}

// The mutex is free while input lasts, so every exchange ends once it runs out.
MutexWait CInputUsbSystem::WaitMutex(OsHandle, uint32_t) {
  return in_.Empty() ? MutexWait::kTimedOut : MutexWait::kAcquired;
}

bool CInputUsbSystem::ReleaseNamedMutex(OsHandle) { return true; }
bool CInputUsbSystem::CloseOsHandle(OsHandle) { return true; }

OsHandle CInputUsbSystem::OpenDeviceFile(const std::string&, bool) {
  return Succeeded(in_.Byte()) ? reinterpret_cast<OsHandle>(nextHandle_++) : kInvalidDeviceHandle;
}

// A driver may claim any count; it writes at most the buffer it was given.
bool CInputUsbSystem::DeviceControl(OsHandle, uint32_t, const void*, uint32_t, void* output,
                                    uint32_t outputSize, uint32_t* returned) {
  *returned = 0;
  const uint8_t outcome = in_.Byte();
  if (!Succeeded(outcome)) return false;
  const uint32_t claimed = ClaimedCount(outcome, outputSize);
  const std::vector<uint8_t> answer = in_.Bytes(std::min(claimed, outputSize));
  std::copy(answer.begin(), answer.end(), static_cast<uint8_t*>(output));
  *returned = claimed;
  return true;
}

DeviceIo CInputUsbSystem::WriteDevice(OsHandle, const void*, uint32_t length,
                                      uint32_t* transferred, void*) {
  *transferred = 0;
  const uint8_t outcome = in_.Byte();
  if (!Succeeded(outcome)) return (outcome & 0x80) ? DeviceIo::kPending : DeviceIo::kFailed;
  *transferred = ClaimedCount(outcome, length);
  return DeviceIo::kDone;
}

// ReadFile never reports more than it was asked for.
DeviceIo CInputUsbSystem::ReadDevice(OsHandle, void* buffer, uint32_t length,
                                     uint32_t* transferred, void*) {
  *transferred = 0;
  const uint8_t outcome = in_.Byte();
  if (!Succeeded(outcome)) return DeviceIo::kFailed;
  const uint32_t offered = (outcome & kOtherCount) ? in_.Word16() : length;
  const std::vector<uint8_t> bytes = in_.Bytes(std::min(offered, length));
  std::copy(bytes.begin(), bytes.end(), static_cast<uint8_t*>(buffer));
  *transferred = static_cast<uint32_t>(bytes.size());
  return DeviceIo::kDone;
}

QueueList CInputUsbSystem::ListLocalQueues(std::vector<PrinterQueue>& queues) {
  queues.clear();
  const uint8_t shape = in_.Byte();
  if (shape & 0x80) {
    return (shape & 0x40) ? QueueList::kNoSizeAsked
                          : ((shape & 0x20) ? QueueList::kOutOfMemory : QueueList::kReadFailed);
  }
  for (size_t count = shape % kMostQueues; count > 0; --count) {
    PrinterQueue queue;
    queue.name = in_.Text();
    queue.driverName = in_.Flag() ? kMachineDriver : in_.Text();
    queues.push_back(queue);
  }
  return QueueList::kListed;
}

OsHandle CInputUsbSystem::OpenQueue(const std::string&) {
  return Succeeded(in_.Byte()) ? reinterpret_cast<OsHandle>(nextHandle_++) : nullptr;
}
bool CInputUsbSystem::StartRawDoc(OsHandle, const std::string&) { return Succeeded(in_.Byte()); }
bool CInputUsbSystem::StartPage(OsHandle) { return true; }

bool CInputUsbSystem::WriteQueue(OsHandle, const void*, uint32_t length, uint32_t* written) {
  *written = 0;
  const uint8_t outcome = in_.Byte();
  if (!Succeeded(outcome)) return false;
  *written = ClaimedCount(outcome, length);
  return true;
}

bool CInputUsbSystem::EndPage(OsHandle) { return true; }
bool CInputUsbSystem::EndDoc(OsHandle) { return true; }
bool CInputUsbSystem::CloseQueue(OsHandle) { return true; }

bool CInputUsbSystem::FindDevicePath(const std::string&, std::string& path) {
  if (!Succeeded(in_.Byte())) return false;
  path = in_.Text();
  return true;
}
