// The machine's byte order on the wire. A machine of the common kind sends every 16- and 32-bit
// field little-endian; the other kind sends them big-endian, and the host notices it from the
// byte-order marker of the protocol check.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CWireOrder {
 public:
  explicit CWireOrder(bool bigEndian = false) : bigEndian_(bigEndian) {}
  bool bigEndian() const { return bigEndian_; }

  void Put16(std::vector<uint8_t>& out, uint16_t value) const { PutN(out, value, 2); }
  void Put32(std::vector<uint8_t>& out, uint32_t value) const { PutN(out, value, 4); }
  uint16_t Get16(const std::vector<uint8_t>& in, size_t at) const {
    return static_cast<uint16_t>(GetN(in, at, 2));
  }
  uint32_t Get32(const std::vector<uint8_t>& in, size_t at) const { return GetN(in, at, 4); }
  int32_t GetSigned32(const std::vector<uint8_t>& in, size_t at) const {
    return static_cast<int32_t>(Get32(in, at));
  }

 private:
  void PutN(std::vector<uint8_t>& out, uint32_t value, int width) const {
    for (int i = 0; i < width; ++i) {
      int shift = bigEndian_ ? 8 * (width - 1 - i) : 8 * i;
      out.push_back(static_cast<uint8_t>(value >> shift));
    }
  }
  // Bytes past the end read as zero, so a short payload never reads outside its buffer.
  uint32_t GetN(const std::vector<uint8_t>& in, size_t at, int width) const {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
      uint32_t byte = at + i < in.size() ? in[at + i] : 0;
      int shift = bigEndian_ ? 8 * (width - 1 - i) : 8 * i;
      value |= byte << shift;
    }
    return value;
  }

  bool bigEndian_;
};
