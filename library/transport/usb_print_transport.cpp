#include "usb_print_transport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "discovery_text.h"

namespace {

// Driver control codes of the USB printer class.
constexpr uint32_t kIoctlQueryDeviceId = 0x0016000C;
constexpr uint32_t kIoctlVendorSet = 0x00220038;
constexpr uint32_t kIoctlVendorGet = 0x0022003C;

// The driver's vendor buffer is 4096 bytes, of which the request header takes 4 and the
// driver reserves 3.
constexpr uint16_t kMaxVendorData = 4089;
constexpr uint32_t kVendorBufferSize = 4096;
constexpr uint32_t kVendorSetHeader = 4;
// The driver refuses vendor IN requests shorter than this.
constexpr uint16_t kMinVendorRead = 3;

constexpr uint32_t kDeviceIdBufferSize = 4096;
constexpr uint32_t kDeviceIdQuerySize = 4093;

constexpr uint32_t kFileChunk = 32768;

std::string MutexName(const std::string& deviceName) {
  return "Global\\RireveZirariduda " + deviceName;
}

// The driver and the spooler may take less than they were given; the rest is written again
// from where they stopped. A write that takes nothing would never finish and counts as a
// failure. The first write is made even for no bytes at all.
template <typename Write>
bool WriteWhole(const uint8_t* data, uint32_t length, Write write) {
  do {
    uint32_t written = 0;
    if (!write(data, length, &written) || written > length) return false;
    if (written == 0 && length > 0) return false;
    data += written;
    length -= written;
  } while (length > 0);
  return true;
}

}  // namespace

CUsbPrintTransport::CUsbPrintTransport(void* overlapped)
    : CUsbPrintTransport(overlapped, SystemUsb()) {}

CUsbPrintTransport::CUsbPrintTransport(void* overlapped, CUsbSystem& system)
    : overlapped_(overlapped), system_(system) {}

CUsbPrintTransport::~CUsbPrintTransport() {
  // A derived transport has closed its own medium before this runs; here only the USB device
  // can still be open.
  CUsbPrintTransport::Close();
  if (mutex_) system_.CloseOsHandle(mutex_);
}

bool CUsbPrintTransport::Open() {
  if (deviceName_.empty()) return false;
  if (!devicePath_.empty() && device_ != kInvalidDeviceHandle) return true;
  if (device_ != kInvalidDeviceHandle) CloseOpenDevice();
  if (devicePath_.empty() && !ResolveDevicePath(deviceName_.c_str(), devicePath_)) return false;
  device_ = OpenDevice(deviceName_, devicePath_);
  if (device_ == kInvalidDeviceHandle) return false;
  return ReplaceMutex();
}

// The mutex follows the device name. Locks this object holds on the old mutex are given back
// and taken again on the new one, so that an exchange in progress keeps its nesting.
bool CUsbPrintTransport::ReplaceMutex() {
  const uint32_t depth = mutex_ ? lockDepth_ : 0;
  if (mutex_) {
    while (lockDepth_ > 0) Unlock();
    system_.CloseOsHandle(mutex_);
    mutex_ = nullptr;
  }
  mutex_ = system_.CreateNamedMutex(MutexName(deviceName_));
  while (lockDepth_ < depth) {
    if (!Lock(kLockWaitMs)) return false;
  }
  return true;
}

void CUsbPrintTransport::CloseOpenDevice() {
  CloseDevice(device_);
  device_ = kInvalidDeviceHandle;
}

bool CUsbPrintTransport::Close() {
  deviceName_.clear();
  devicePath_.clear();
  if (device_ == kInvalidDeviceHandle) return true;
  const bool closed = CloseDevice(device_);
  device_ = kInvalidDeviceHandle;
  return closed;
}

bool CUsbPrintTransport::CheckConnection() {
  std::string ignored;
  return ReadDeviceId(ignored);
}

bool CUsbPrintTransport::EnsureOpen() { return CheckConnection() || Open(); }

bool CUsbPrintTransport::ReadDeviceId(std::string& out) {
  if (device_ == kInvalidDeviceHandle) return false;
  // Zero-filled and one size short of the buffer, so the text is terminated whatever the
  // driver returns.
  char buffer[kDeviceIdBufferSize] = {};
  if (!QueryDeviceId(device_, buffer, kDeviceIdQuerySize)) {
    CloseOpenDevice();
    return false;
  }
  out.assign(buffer, strnlen(buffer, kDeviceIdQuerySize));
  return true;
}

void CUsbPrintTransport::SetDeviceName(const std::string& name) {
  if (name == deviceName_) return;
  deviceName_ = name;
  devicePath_.clear();
}

const char* CUsbPrintTransport::GetDeviceName() { return deviceName_.c_str(); }

const char* CUsbPrintTransport::GetDeviceNameAt(unsigned index) const {
  if (index >= deviceList_.size()) return nullptr;
  return deviceList_[index].c_str();
}

int CUsbPrintTransport::EnumerateDevices(const char* driverName, bool onlyOpenable) {
  deviceList_.clear();
  std::vector<PrinterQueue> queues;
  switch (system_.ListLocalQueues(queues)) {
    case QueueList::kNoSizeAsked:
    case QueueList::kOutOfMemory:
      return -1;
    case QueueList::kReadFailed:
      return 0;
    case QueueList::kListed:
      break;
  }
  for (const PrinterQueue& queue : queues) {
    if (AcceptsQueue(queue, driverName, onlyOpenable)) deviceList_.push_back(queue.name);
  }
  return static_cast<int>(deviceList_.size());
}

// Probing opens the device itself (not the cached path of the selected one), so a queue whose
// machine is held by another process is left out.
bool CUsbPrintTransport::AcceptsQueue(const PrinterQueue& queue, const char* driverName,
                                      bool onlyOpenable) {
  if (!driverName) return true;
  if (!discovery_text::EqualsIgnoringCase(queue.driverName, driverName)) return false;
  if (!onlyOpenable) return true;
  std::string path;
  if (!system_.FindDevicePath(queue.name, path)) return false;
  OsHandle probe = OpenDevice(queue.name, path);
  if (probe == kInvalidDeviceHandle) return false;
  CloseDevice(probe);
  return true;
}

bool CUsbPrintTransport::VendorWrite(uint16_t value, const void* data, uint16_t length) {
  return VendorSet(device_, kVendorRequest, value, 0, data, length);
}

int32_t CUsbPrintTransport::VendorRead(uint16_t value, void* buffer, uint16_t length) {
  return VendorGet(device_, kVendorRequest, value, 0, buffer, length);
}

bool CUsbPrintTransport::BulkWrite(const void* data, uint32_t length) {
  if (overlapped_) {
    uint32_t written = 0;
    return system_.WriteDevice(device_, data, length, &written, overlapped_) != DeviceIo::kFailed;
  }
  // A parameter area cut short must never pass for a whole one.
  const auto write = [this](const uint8_t* bytes, uint32_t count, uint32_t* written) {
    return system_.WriteDevice(device_, bytes, count, written, nullptr) == DeviceIo::kDone;
  };
  return WriteWhole(static_cast<const uint8_t*>(data), length, write);
}

int32_t CUsbPrintTransport::BulkRead(void* buffer, uint32_t length) {
  // An overlapped read would return before the data arrived; nothing here awaits it.
  if (overlapped_) return -1;
  uint32_t read = 0;
  if (system_.ReadDevice(device_, buffer, length, &read, nullptr) != DeviceIo::kDone) return -1;
  return static_cast<int32_t>(std::min(read, length));
}

bool CUsbPrintTransport::Lock(uint32_t timeoutMs) {
  if (!mutex_) return false;
  if (system_.WaitMutex(mutex_, timeoutMs) != MutexWait::kAcquired) return false;
  ++lockDepth_;
  return true;
}

int CUsbPrintTransport::Unlock() {
  // Without a counted lock there is nothing of ours to release; the depth must not wrap.
  if (lockDepth_ == 0 || !mutex_) return 0;
  --lockDepth_;
  return system_.ReleaseNamedMutex(mutex_) ? 1 : 0;
}

bool CUsbPrintTransport::SendFile(CFileSource& file, const char* documentName) {
  OsHandle printer = system_.OpenQueue(deviceName_);
  if (!printer) return false;
  bool ok = system_.StartRawDoc(printer, documentName ? documentName : kDefaultJobName);
  if (ok) {
    system_.StartPage(printer);
    uint8_t chunk[kFileChunk];
    for (;;) {
      const int read = file.Read(chunk, kFileChunk);
      if (read <= 0) {
        ok = read == 0;
        break;
      }
      if (!WriteChunk(printer, chunk, static_cast<uint32_t>(read))) {
        ok = false;
        break;
      }
    }
    system_.EndPage(printer);
    system_.EndDoc(printer);
  }
  system_.CloseQueue(printer);
  return ok;
}

bool CUsbPrintTransport::WriteChunk(OsHandle printer, const uint8_t* data, uint32_t length) {
  const auto write = [this, printer](const uint8_t* bytes, uint32_t count, uint32_t* written) {
    return system_.WriteQueue(printer, bytes, count, written);
  };
  return WriteWhole(data, length, write);
}

bool CUsbPrintTransport::ResolveDevicePath(const char* deviceName, std::string& path) {
  return system_.FindDevicePath(deviceName, path);
}

OsHandle CUsbPrintTransport::OpenDevice(const std::string&, const std::string& devicePath) {
  return system_.OpenDeviceFile(devicePath, overlapped_ != nullptr);
}

bool CUsbPrintTransport::CloseDevice(OsHandle device) { return system_.CloseOsHandle(device); }

bool CUsbPrintTransport::QueryDeviceId(OsHandle device, void* buffer, uint32_t size) {
  uint32_t returned = 0;
  return system_.DeviceControl(device, kIoctlQueryDeviceId, nullptr, 0, buffer, size, &returned);
}

bool CUsbPrintTransport::VendorSet(OsHandle device, uint8_t request, uint16_t value, uint16_t,
                                   const void* data, uint16_t length) {
  if (length > kMaxVendorData) return false;
  uint8_t buffer[kVendorBufferSize];
  buffer[0] = request;
  buffer[1] = static_cast<uint8_t>(value >> 8);  // the driver takes the value high byte first
  buffer[2] = static_cast<uint8_t>(value & 0xFF);
  buffer[3] = 0;
  if (length > 0) std::memcpy(buffer + kVendorSetHeader, data, length);
  uint32_t returned = 0;
  return system_.DeviceControl(device, kIoctlVendorSet, buffer, length + kVendorSetHeader,
                               nullptr, 0, &returned);
}

int32_t CUsbPrintTransport::VendorGet(OsHandle device, uint8_t request, uint16_t value,
                                      uint16_t index, void* buffer, uint16_t length) {
  if (length < kMinVendorRead) {
    uint8_t small[kMinVendorRead];
    const int32_t got = VendorGet(device, request, value, index, small, kMinVendorRead);
    if (got < 0) return -1;
    const int32_t copied = std::min<int32_t>(got, length);
    if (copied > 0) std::memcpy(buffer, small, copied);
    return copied;
  }
  const uint8_t header[3] = {request, static_cast<uint8_t>(value >> 8),
                             static_cast<uint8_t>(value & 0xFF)};
  uint32_t returned = 0;
  if (!system_.DeviceControl(device, kIoctlVendorGet, header, sizeof header, buffer, length,
                             &returned)) {
    return -1;
  }
  return static_cast<int32_t>(std::min<uint32_t>(returned, length));
}
