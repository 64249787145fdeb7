#include "machine_records.h"

#include <cstring>
#include <limits>

namespace machine {
namespace {

// Lays fields out one after another, each already in the machine's byte order.
class CRecordWriter {
 public:
  CRecordWriter(const CCommandProtocol& order, uint8_t* out) : order_(order), out_(out) {}
  void Half(int value) { Put(order_.Convert16(static_cast<uint16_t>(value))); }
  void Word(int32_t value) { Put(order_.Convert32(static_cast<uint32_t>(value))); }

 private:
  template <typename T>
  void Put(T value) {
    std::memcpy(out_, &value, sizeof value);
    out_ += sizeof value;
  }
  const CCommandProtocol& order_;
  uint8_t* out_;
};

void ConvertWordsAt(const CCommandProtocol& order, uint8_t* at, int count) {
  for (int i = 0; i < count; ++i, at += 4) {
    uint32_t word;
    std::memcpy(&word, at, 4);
    word = order.Convert32(word);
    std::memcpy(at, &word, 4);
  }
}

void ConvertHalfAt(const CCommandProtocol& order, uint8_t* at) {
  uint16_t half;
  std::memcpy(&half, at, 2);
  half = order.Convert16(half);
  std::memcpy(at, &half, 2);
}

// The product of two 32-bit values is never -2^63, so its magnitude always fits.
uint64_t Magnitude(int64_t value) {
  return value < 0 ? static_cast<uint64_t>(-value) : static_cast<uint64_t>(value);
}

}  // namespace

bool MulDiv(int32_t number, int32_t numerator, int32_t denominator, int32_t& result) {
  if (denominator == 0) return false;
  const int64_t product = static_cast<int64_t>(number) * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  const uint64_t magnitude = Magnitude(product);
  const uint64_t divisor = Magnitude(denominator);
  const uint64_t rounded = (magnitude + divisor / 2) / divisor;
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (rounded > limit) return false;
  result = static_cast<int32_t>(negative ? -static_cast<int64_t>(rounded)
                                         : static_cast<int64_t>(rounded));
  return true;
}

bool CompensationFromRecord(const std::array<int32_t, 6>& words, Compensation& ppm) {
  int32_t corrections[3];
  for (int axis = 0; axis < 3; ++axis) {
    int32_t scaled = 0;
    if (!MulDiv(words[axis], kPartsPerMillion, words[axis + 3], scaled)) return false;
    const int64_t correction = static_cast<int64_t>(scaled) - kPartsPerMillion;
    if (correction < std::numeric_limits<int32_t>::min()) return false;
    corrections[axis] = static_cast<int32_t>(correction);
  }
  ppm = Compensation{corrections[0], corrections[1], corrections[2]};
  return true;
}

std::array<int32_t, 6> CompensationRecord(const Compensation& ppm) {
  // Unsigned arithmetic: an absurd correction wraps like the machine's own 32-bit word
  // instead of overflowing.
  auto numerator = [](int32_t correction) {
    return static_cast<int32_t>(static_cast<uint32_t>(correction) + kPartsPerMillion);
  };
  return {numerator(ppm.x), numerator(ppm.y), numerator(ppm.z),
          kPartsPerMillion, kPartsPerMillion, kPartsPerMillion};
}

std::array<uint8_t, kMoveRecordSize> MoveRecord(const CCommandProtocol& order, int speed,
                                                int second, const AxisVector& target) {
  std::array<uint8_t, kMoveRecordSize> record{};
  CRecordWriter writer(order, record.data());
  writer.Half(speed);
  writer.Half(second);
  for (int32_t value : target.value) writer.Word(value);
  return record;
}

std::array<uint8_t, kAxisMoveRecordSize> AxisMoveRecord(const CCommandProtocol& order,
                                                        int current, int speed, int target) {
  std::array<uint8_t, kAxisMoveRecordSize> record{};
  CRecordWriter writer(order, record.data());
  writer.Half(current);
  writer.Half(speed);
  writer.Word(target);
  return record;
}

void ConvertDeviceBlock(const CCommandProtocol& order, uint8_t* block, int received) {
  if (received >= 8) ConvertWordsAt(order, block, 2);
  if (received < kDeviceBlockSize) return;
  ConvertWordsAt(order, block + 8, 6);
  ConvertWordsAt(order, block + 32, 1);
  ConvertHalfAt(order, block + 36);
  // Bytes 38 to 55 travel unconverted.
}

}  // namespace machine
