#include "simulator_transport.h"

#include <algorithm>
#include <cstring>

#include "simulator_ipc.h"

namespace {

using usb_request::kClassIn;
using usb_request::kGetDeviceId;
using usb_request::kVendorIn;
using usb_request::kVendorOut;
constexpr uint16_t kDeviceIdLength = 4092;
// The IEEE 1284 device ID starts with its own two-byte length, which the printer-class driver
// strips; the simulator answers raw, so it is dropped here.
constexpr int32_t kDeviceIdPrefix = 2;

}  // namespace

CSimulatorTransport::CSimulatorTransport()
    : CUsbPrintTransport(nullptr), ipc_(SystemSimulatorIpc()) {}

CSimulatorTransport::CSimulatorTransport(CUsbSystem& system, CSimulatorIpc& ipc)
    : CUsbPrintTransport(nullptr, system), link(ipc), ipc_(ipc) {}

CSimulatorTransport::~CSimulatorTransport() {
  // The base's destructor can no longer reach these overrides; the block must be closed while
  // the link that mapped it is still alive.
  Close();
}

bool CSimulatorTransport::SendFile(CFileSource& file, const char*) {
  return link.SendFilePath(file.FullPath());
}

bool CSimulatorTransport::BulkWrite(const void* data, uint32_t length) {
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  uint32_t lastProgress = ipc_.TickCount();
  while (length > 0) {
    const int32_t accepted = link.BulkOut(bytes, length);
    if (accepted < 0) return false;
    if (accepted == 0) {
      if (ipc_.TickCount() - lastProgress > kBulkStallLimitMs) return false;
      ipc_.Sleep(kNotReadyPauseMs);
      continue;
    }
    const uint32_t taken = std::min(static_cast<uint32_t>(accepted), length);
    bytes += taken;
    length -= taken;
    lastProgress = ipc_.TickCount();
  }
  return true;
}

int32_t CSimulatorTransport::BulkRead(void* buffer, uint32_t length) {
  return link.BulkIn(buffer, length);
}

bool CSimulatorTransport::ResolveDevicePath(const char*, std::string&) { return true; }

OsHandle CSimulatorTransport::OpenDevice(const std::string& deviceName, const std::string&) {
  return link.OpenBlock(deviceName, ownerWindow_);
}

bool CSimulatorTransport::CloseDevice(OsHandle device) {
  link.CloseBlock(device);
  return true;
}

// The answer always fits the callers' 4093 bytes; the size still bounds the copy so that a
// smaller buffer is never overrun.
bool CSimulatorTransport::QueryDeviceId(OsHandle, void* buffer, uint32_t size) {
  char answer[kDeviceIdLength + 1];
  const int32_t received = link.ControlIn(kClassIn, kGetDeviceId, 0, 0, answer, kDeviceIdLength);
  if (received < 0) return false;
  answer[std::min<int32_t>(received, kDeviceIdLength)] = '\0';
  const char* text = received < kDeviceIdPrefix ? "" : answer + kDeviceIdPrefix;
  if (size == 0) return true;
  const size_t copied = std::min<size_t>(std::strlen(text), size - 1);
  std::memcpy(buffer, text, copied);
  static_cast<char*>(buffer)[copied] = '\0';
  return true;
}

int32_t CSimulatorTransport::VendorGet(OsHandle, uint8_t request, uint16_t value, uint16_t index,
                                       void* buffer, uint16_t length) {
  return link.ControlIn(kVendorIn, request, value, index, buffer, length);
}

bool CSimulatorTransport::VendorSet(OsHandle, uint8_t request, uint16_t value, uint16_t index,
                                    const void* data, uint16_t length) {
  return link.ControlOut(kVendorOut, request, value, index, data, length);
}
