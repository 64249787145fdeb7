// The wire format shared by the library and a simulator process: the layout of the shared block,
// its pipe records, and the names of the mapping and the nine events. Both sides include this
// one header so that they cannot drift apart. Every multi-byte field is little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "../api/hvx40_facts.h"  // kModelName

namespace simblock {

// Header, by byte offset.
constexpr size_t kStatus0 = 0x00;            // simulator: bit 7 = bulk OUT not ready
constexpr size_t kStatus1 = 0x01;            // simulator: bit 0 = device present
constexpr size_t kClientMainWindow = 0x0C;   // library: 4 bytes
constexpr size_t kOwnerWindow = 0x10;        // library: 4 bytes
constexpr size_t kSetupPending = 0x14;       // library: 1 while a setup packet is handed over
constexpr size_t kRequestType = 0x15;
constexpr size_t kRequest = 0x16;
constexpr size_t kValue = 0x18;
constexpr size_t kIndex = 0x1A;
constexpr size_t kLength = 0x1C;
constexpr size_t kControlPipeOffset = 0x1E;  // simulator: where each pipe record lies
constexpr size_t kBulkOutPipeOffset = 0x20;
constexpr size_t kBulkInPipeOffset = 0x22;
constexpr size_t kOutputFilePath = 0x24;     // library: NUL-terminated, ends before the first pipe
constexpr size_t kHeaderSize = kOutputFilePath;

constexpr uint8_t kBulkOutNotReadyBit = 0x80;
constexpr uint8_t kDevicePresentBit = 0x01;

// Pipe record, relative to its offset. Before a bulk IN handshake the library puts the number
// of bytes it takes into the count, and the simulator answers with at most that many.
constexpr size_t kPipePacketSize = 0;
constexpr size_t kPipeCapacity = 2;
constexpr size_t kPipeCount = 4;
constexpr size_t kPipeDirection = 6;
constexpr size_t kPipeData = 7;

constexpr uint8_t kHostToDevice = 1;
constexpr uint8_t kDeviceToHost = 0;

// A control OUT data stage starts with the vendor header: request, value high, value low, 0.
constexpr uint16_t kVendorHeaderSize = 4;

inline uint16_t Get16(const uint8_t* at) {
  return static_cast<uint16_t>(at[0] | (at[1] << 8));
}
inline void Put16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}
inline uint32_t Get32(const uint8_t* at) {
  return static_cast<uint32_t>(Get16(at)) | (static_cast<uint32_t>(Get16(at + 2)) << 16);
}
inline void Put32(uint8_t* at, uint32_t value) {
  Put16(at, static_cast<uint16_t>(value));
  Put16(at + 2, static_cast<uint16_t>(value >> 16));
}

// The nine events, in the order the link keeps them. Each channel is a request that the library
// sets and the simulator resets, and an acknowledge that the simulator sets and the library
// resets; the disconnect event tells the simulator that a client went away.
enum Event {
  kControlRequest,
  kControlAcknowledge,
  kBulkOutRequest,
  kBulkOutAcknowledge,
  kBulkInRequest,
  kBulkInAcknowledge,
  kOutputFileRequest,
  kOutputFileAcknowledge,
  kDisconnect,
  kEventCount
};

inline const char* EventName(Event event) {
  static const char* const kNames[kEventCount] = {
      "USB Simulator Control Request",     "USB Simulator Control Acknowledge",
      "USB Simulator BulkOut Request",     "USB Simulator BulkOut Acknowledge",
      "USB Simulator BulkIn Request",      "USB Simulator BulkIn Acknowledge",
      "USB Simulator Output File Request", "USB Simulator Output File Acknowledge",
      "USB Simulator Disconnect"};
  return kNames[event];
}

inline std::string MappingName(const std::string& deviceName) {
  return "IPC Memory for " + deviceName;
}

// The machine whose events carry the plain names above: the model string, under which the
// library connects a simulator by default.
constexpr const char* kPlainEventsDevice = kModelName;

// Several simulators run side by side, each under its own device name; each has its own events,
// so that a request meant for one machine never wakes another. The model string's machine keeps
// the plain names; any other adds " for <device name>".
inline std::string EventName(Event event, const std::string& deviceName) {
  const std::string plain = EventName(event);
  return deviceName == kPlainEventsDevice ? plain : plain + " for " + deviceName;
}

// A simulator's window, through which it is found and driven: one top-level window of this
// class per running simulator, its title naming the device.
constexpr char kSimulatorWindowClass[] = "HVX40SimWindow";
constexpr char kSimulatorTitlePrefix[] = "HVX-40 Emulator - ";

inline std::string SimulatorWindowTitle(const std::string& deviceName) {
  return kSimulatorTitlePrefix + deviceName;
}

// The device name in a simulator window's title; false for a title of another form.
inline bool DeviceFromWindowTitle(const std::string& title, std::string& deviceName) {
  const std::string prefix = kSimulatorTitlePrefix;
  if (title.size() <= prefix.size() || title.compare(0, prefix.size(), prefix) != 0) return false;
  deviceName = title.substr(prefix.size());
  return true;
}

}  // namespace simblock
