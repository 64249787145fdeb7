// The records that travel in the machine's payloads and replies, laid out byte for byte in the
// connected machine's byte order.
#pragma once

#include <array>
#include <cstdint>

#include "../api/hvx40_types.h"
#include "command_protocol.h"

// In the catalogue's namespace: the system's own MulDiv has the same name and other linkage.
namespace machine {

// Multiplies with a 64-bit intermediate, divides and rounds to the nearest integer (halves away
// from zero). False when the denominator is 0 or the result does not fit 32 bits; -1 is a
// result like any other.
bool MulDiv(int32_t number, int32_t numerator, int32_t denominator, int32_t& result);

// The compensation record: three numerators (X, Y, Z), then their three denominators. The
// machine scales each axis by numerator / denominator; we speak of it in parts per million.
constexpr int32_t kPartsPerMillion = 1000000;
struct Compensation {
  int32_t x, y, z;
};
// False when an axis has no scale (a zero denominator) or its correction does not fit 32 bits:
// such a record names no correction at all.
bool CompensationFromRecord(const std::array<int32_t, 6>& words, Compensation& ppm);
std::array<int32_t, 6> CompensationRecord(const Compensation& ppm);

// A move: speed, a second 16-bit field, then the target vector; 28 bytes.
constexpr int kMoveRecordSize = 28;
std::array<uint8_t, kMoveRecordSize> MoveRecord(const CCommandProtocol& order, int speed,
                                                int second, const AxisVector& target);

// A single-axis move: motor current in percent, speed, target position; 8 bytes.
constexpr int kAxisMoveRecordSize = 8;
std::array<uint8_t, kAxisMoveRecordSize> AxisMoveRecord(const CCommandProtocol& order,
                                                        int current, int speed, int target);

// The device block of command 0x0100. Every field converted once, each by its own width:
// words 0 and 1 when at least 8 bytes arrived, the rest when the whole block arrived.
constexpr int kDeviceBlockSize = 56;
void ConvertDeviceBlock(const CCommandProtocol& order, uint8_t* block, int received);

}  // namespace machine
