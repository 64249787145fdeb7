// Records that cross the boundary between the library and the tool.
#pragma once

#include <cstdint>

// Six signed 32-bit values: X, Y, Z positions in micrometres, then three further axes in
// thousandths of a degree that the tool carries unchanged.
struct AxisVector {
  int32_t value[6];
};
static_assert(sizeof(AxisVector) == 24, "AxisVector travels as 24 bytes");

enum AxisIndex { kAxisX = 0, kAxisY = 1, kAxisZ = 2 };

// Reply of commands 0x0327 and 0x0FFC.
#pragma pack(push, 1)
struct DeviceRecord16 {
  uint32_t a;
  uint32_t b;
  uint16_t c;
  uint16_t d[3];
};
#pragma pack(pop)
static_assert(sizeof(DeviceRecord16) == 16, "DeviceRecord16 travels as 16 bytes");

// Both status words read as this value mean the status could not be read.
constexpr uint32_t kStatusNotRead = 0xFFFFFFFFu;
