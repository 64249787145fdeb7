// A transport that answers from a script and logs every call with the fake clock's time, so
// that tests check what went to the machine, in which order and when.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "transport.h"

typedef std::vector<uint8_t> Bytes;

// The eight status bytes as a machine of the host's byte order sends them.
inline Bytes StatusBytes(uint32_t stateWord, uint32_t handshakeWord) {
  Bytes bytes(8);
  std::memcpy(bytes.data(), &stateWord, 4);
  std::memcpy(bytes.data() + 4, &handshakeWord, 4);
  return bytes;
}

class CScriptedTransport : public CTransport {
 public:
  struct Call {
    std::string op;  // "write", "read", "bulkread", "bulkwrite", "lock", "unlock"
    uint16_t value;
    Bytes data;
    uint32_t length;
    uint32_t at;
  };
  // An answer to a read: bytes, or a failure.
  struct Scripted {
    Bytes bytes;
    bool fails = false;
  };

  explicit CScriptedTransport(CFakeClock& clock) : clock_(clock) {}

  // Answers to VendorRead of a value, in order; the last one repeats.
  void Answer(uint16_t value, Bytes bytes) {
    answers_[value].push_back({std::move(bytes), false});
  }
  void FailRead(uint16_t value) { answers_[value].push_back({{}, true}); }
  void Status(uint32_t stateWord, uint32_t handshakeWord) {
    Bytes bytes = StatusBytes(stateWord, handshakeWord);
    if (machineSwaps) {
      std::reverse(bytes.begin(), bytes.begin() + 4);
      std::reverse(bytes.begin() + 4, bytes.end());
    }
    Answer(0x0001, bytes);
  }
  // Bulk IN chunks, in order; then nothing is available (0).
  void Chunk(Bytes bytes) { chunks_.push_back({std::move(bytes), false}); }
  void FailChunk() { chunks_.push_back({{}, true}); }

  bool Open() override { return true; }
  bool Close() override { return true; }
  bool CheckConnection() override { return true; }
  bool EnsureOpen() override { return true; }
  bool SendFile(CFileSource&, const char*) override { return false; }

  bool VendorWrite(uint16_t value, const void* data, uint16_t length) override {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    Log("write", value, bytes ? Bytes(bytes, bytes + length) : Bytes(), length);
    return !writeFails;
  }
  int32_t VendorRead(uint16_t value, void* buffer, uint16_t length) override {
    Log("read", value, {}, length);
    std::deque<Scripted>& queue = answers_[value];
    if (queue.empty()) return -1;
    const Scripted answer = queue.front();
    if (queue.size() > 1) queue.pop_front();
    if (answer.fails) return -1;
    const size_t n = std::min<size_t>(length, answer.bytes.size());
    std::memcpy(buffer, answer.bytes.data(), n);
    return static_cast<int32_t>(n);
  }
  bool BulkWrite(const void* data, uint32_t length) override {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    Log("bulkwrite", 0, Bytes(bytes, bytes + length), length);
    return bulkWrites++ != failBulkWriteNumber;
  }
  int32_t BulkRead(void* buffer, uint32_t length) override {
    Log("bulkread", 0, {}, length);
    if (chunks_.empty()) return 0;
    const Scripted chunk = chunks_.front();
    chunks_.pop_front();
    if (chunk.fails) return -1;
    const size_t n = std::min<size_t>(length, chunk.bytes.size());
    std::memcpy(buffer, chunk.bytes.data(), n);
    return static_cast<int32_t>(n);
  }
  const char* GetDeviceName() override { return "scripted"; }
  bool Lock(uint32_t timeoutMs) override {
    Log("lock", 0, {}, timeoutMs);
    if (!lockSucceeds) return false;
    ++depth;
    return true;
  }
  int Unlock() override {
    Log("unlock", 0, {}, 0);
    --depth;
    return 1;
  }

  // The calls of one kind, or of one kind and value.
  std::vector<Call> Calls(const std::string& op) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.op == op) found.push_back(call);
    }
    return found;
  }
  std::vector<Call> Calls(const std::string& op, uint16_t value) const {
    std::vector<Call> found;
    for (const Call& call : Calls(op)) {
      if (call.value == value) found.push_back(call);
    }
    return found;
  }
  // Everything but lock traffic: what reached the machine.
  size_t Transfers() const { return calls.size() - Calls("lock").size() - Calls("unlock").size(); }

  std::vector<Call> calls;
  bool machineSwaps = false;  // Status() then sends its words in the other byte order
  bool lockSucceeds = true;
  bool writeFails = false;
  int depth = 0;
  int bulkWrites = 0;
  int failBulkWriteNumber = -1;

 private:
  void Log(const char* op, uint16_t value, Bytes data, uint32_t length) {
    calls.push_back({op, value, std::move(data), length, clock_.now});
  }

  CFakeClock& clock_;
  std::map<uint16_t, std::deque<Scripted>> answers_;
  std::deque<Scripted> chunks_;
};
