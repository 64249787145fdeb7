// The fuzzer's bytes, taken from the front as the code under test asks for them. Once they run
// out every number is zero and every text empty, and Empty() lets a fake fail from then on, so
// that every wait on the machine ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFuzzInput {
 public:
  CFuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return position_ >= size_; }
  size_t Left() const { return size_ - position_; }

  uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }
  bool Flag() { return (Byte() & 1) != 0; }
  // Little-endian, as the fuzzer's dictionary and the seed files spell them.
  uint16_t Word16() { return static_cast<uint16_t>(Byte() | (Byte() << 8)); }
  uint32_t Word32() { return Word16() | (static_cast<uint32_t>(Word16()) << 16); }
  int Int() { return static_cast<int>(Word32()); }

  // At most count bytes: fewer once the input runs out.
  std::vector<uint8_t> Bytes(size_t count) {
    const size_t n = count < Left() ? count : Left();
    std::vector<uint8_t> bytes(data_ + position_, data_ + position_ + n);
    position_ += n;
    return bytes;
  }
  // A length byte, then that many bytes (any values, NUL included).
  std::string Text() {
    const std::vector<uint8_t> bytes = Bytes(Byte());
    return std::string(bytes.begin(), bytes.end());
  }
  // Everything not taken yet.
  std::vector<uint8_t> Rest() { return Bytes(Left()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};
