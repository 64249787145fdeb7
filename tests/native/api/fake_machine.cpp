#include "fake_machine.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "command_codes.h"

namespace {

constexpr uint32_t kExecutingBit = 0x20;
constexpr uint32_t kPendingBit = 0x40;

void Append(Bytes& out, uint32_t value, int width, bool bigEndian) {
  for (int i = 0; i < width; ++i) {
    const int shift = 8 * (bigEndian ? width - 1 - i : i);
    out.push_back(static_cast<uint8_t>(value >> shift));
  }
}

template <class T>
Fields Uniform(int width, std::initializer_list<T> values) {
  Fields fields;
  for (int64_t value : values) fields.push_back({width, static_cast<uint32_t>(value)});
  return fields;
}

}  // namespace

Bytes Encode(const Fields& fields, bool bigEndian) {
  Bytes out;
  for (const Field& field : fields) Append(out, field.value, field.width, bigEndian);
  return out;
}

Fields Words(std::initializer_list<int64_t> values) { return Uniform(4, values); }
Fields Halves(std::initializer_list<int64_t> values) { return Uniform(2, values); }
Fields RawBytes(std::initializer_list<uint8_t> values) { return Uniform(1, values); }
Fields Join(const Fields& first, const Fields& second) {
  Fields joined = first;
  joined.insert(joined.end(), second.begin(), second.end());
  return joined;
}

bool CFakeMachine::SendFile(CFileSource& file, const char* documentName) {
  ++fileSends;
  sentFilePath = file.FullPath();
  sentJobName = documentName != nullptr ? documentName : "(null)";
  return sendFileResult;
}

bool CFakeMachine::VendorWrite(uint16_t value, const void* data, uint16_t length) {
  if (!connected) return false;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  // The driver copies length bytes from data: a payload promised without one is a fault.
  if (bytes == nullptr && length != 0) ADD_FAILURE() << "payload of " << length << " bytes at null";
  writes.push_back({value, bytes != nullptr ? Bytes(bytes, bytes + length) : Bytes(),
                    lockDepth > 0});
  const auto reply = replies.find(value);
  offered_ = reply != replies.end() ? reply->second : Bytes();
  return true;
}

int32_t CFakeMachine::VendorRead(uint16_t value, void* buffer, uint16_t length) {
  if (!connected) return -1;
  if (value == kCmdStatus) {
    ++statusReads;
    return Answer(StatusBytes(), buffer, length);
  }
  reads.push_back({value, Bytes(), lockDepth > 0});
  if (value == kCmdReply) {
    const int32_t count = Answer(offered_, buffer, length);
    offered_.clear();
    return count;
  }
  const auto direct = directReads.find(value);
  return direct != directReads.end() ? Answer(direct->second, buffer, length) : -1;
}

bool CFakeMachine::BulkWrite(const void* data, uint32_t length) {
  if (!connected) return false;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  bulkOut.emplace_back(bytes, bytes + length);
  return true;
}

// An exhausted script reads as a pipe error, so that no test can spin for ever.
int32_t CFakeMachine::BulkRead(void* buffer, uint32_t length) {
  if (!connected || bulkIn.empty()) return -1;
  Bytes chunk = bulkIn.front();
  bulkIn.pop_front();
  const uint32_t count = std::min<uint32_t>(length, static_cast<uint32_t>(chunk.size()));
  if (count > 0) std::memcpy(buffer, chunk.data(), count);
  return static_cast<int32_t>(count);
}

bool CFakeMachine::Lock(uint32_t) {
  if (!connected) return false;
  ++lockDepth;
  return true;
}

int CFakeMachine::Unlock() {
  --lockDepth;
  return 1;
}

std::vector<uint16_t> CFakeMachine::WrittenCodes() const {
  std::vector<uint16_t> codes;
  for (const Write& write : writes) codes.push_back(write.code);
  return codes;
}

Bytes CFakeMachine::StatusBytes() const {
  const uint32_t handshake = (neverFinishes ? kExecutingBit : 0) |
                             (neverAccepts ? kPendingBit : 0) |
                             (static_cast<uint32_t>(offered_.size()) << 24);
  return Encode({{4, stateWord}, {4, handshake}}, bigEndian);
}

int32_t CFakeMachine::Answer(const Bytes& bytes, void* buffer, uint16_t length) {
  const size_t count = std::min<size_t>(length, bytes.size());
  if (count > 0) std::memcpy(buffer, bytes.data(), count);
  return static_cast<int32_t>(count);
}
