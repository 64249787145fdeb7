#include "link_floor.h"

#include <cstdint>

#include "command_codes.h"
#include "simulator_link.h"

Summary MeasureLinkFloor(const std::string& deviceName, int count) {
  CSimulatorLink link;
  const OsHandle block = link.OpenBlock(deviceName, OsHandle());
  if (block == kInvalidDeviceHandle) {
    Summary none;
    none.failures = count;
    return none;
  }
  uint8_t status[8];
  auto readStatus = [&] {
    return link.ControlIn(usb_request::kVendorIn, kVendorRequest, kCmdStatus, 0, status,
                          sizeof status) == static_cast<int32_t>(sizeof status);
  };
  // An emulator that has just come up is still busy with its window; the floor is taken once it
  // has settled, after a run of unmeasured reads.
  Measure(count, readStatus);
  const Summary summary = Measure(count, readStatus);
  link.CloseBlock(block);
  return summary;
}
