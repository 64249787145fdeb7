// A transport that answers from a script and logs every call with the fake clock's time.
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

class CScriptedTransport : public CTransport {
 public:
  struct Call {
    std::string op;  // write, read, bulkread, bulkwrite, lock, unlock
    uint16_t value;
    Bytes data;
    uint32_t length;
    uint32_t at;
  };
  struct Scripted {
    Bytes bytes;
    bool fails;
  };

  explicit CScriptedTransport(CFakeClock& clock) : clock_(clock) {}

  // Answers to VendorRead of a value, in order; the last one repeats.
  void Answer(uint16_t value, Bytes bytes) { answers_[value].push_back({std::move(bytes), false}); }
  void FailRead(uint16_t value) { answers_[value].push_back({{}, true}); }
  // The eight status bytes, in the host's order unless machineSwaps.
  void Status(uint32_t stateWord, uint32_t handshakeWord) {
    Bytes bytes(8);
    std::memcpy(bytes.data(), &stateWord, 4);
    std::memcpy(bytes.data() + 4, &handshakeWord, 4);
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
  const char* GetDeviceName() override { return "scripted"; }

  bool VendorWrite(uint16_t value, const void* data, uint16_t length) override {
    Log("write", value, data, length);
    return !writeFails;
  }
  int32_t VendorRead(uint16_t value, void* buffer, uint16_t length) override {
    Log("read", value, nullptr, length);
    std::deque<Scripted>& queue = answers_[value];
    if (queue.empty()) return -1;
    const Scripted answer = queue.front();
    if (queue.size() > 1) queue.pop_front();
    return Give(answer, buffer, length);
  }
  bool BulkWrite(const void* data, uint32_t length) override {
    Log("bulkwrite", 0, data, length);
    return bulkWrites++ != failBulkWriteNumber;
  }
  int32_t BulkRead(void* buffer, uint32_t length) override {
    Log("bulkread", 0, nullptr, length);
    if (chunks_.empty()) return 0;
    const Scripted chunk = chunks_.front();
    chunks_.pop_front();
    return Give(chunk, buffer, length);
  }
  bool Lock(uint32_t timeoutMs) override {
    Log("lock", 0, nullptr, timeoutMs);
    depth += lockSucceeds;
    return lockSucceeds;
  }
  int Unlock() override {
    Log("unlock", 0, nullptr, 0);
    --depth;
    return 1;
  }

  std::vector<Call> Calls(const std::string& op, int value = -1) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.op == op && (value < 0 || call.value == value)) found.push_back(call);
    }
    return found;
  }
  // Everything but lock traffic: what reached the machine.
  size_t Transfers() const { return calls.size() - Calls("lock").size() - Calls("unlock").size(); }

  std::vector<Call> calls;
  bool machineSwaps = false;
  bool lockSucceeds = true;
  bool writeFails = false;
  int depth = 0;
  int bulkWrites = 0;
  int failBulkWriteNumber = -1;

 private:
  void Log(const char* op, uint16_t value, const void* data, uint32_t length) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    calls.push_back({op, value, bytes ? Bytes(bytes, bytes + length) : Bytes(), length, clock_.now});
  }
  static int32_t Give(const Scripted& answer, void* buffer, uint32_t length) {
    if (answer.fails) return -1;
    const size_t n = std::min<size_t>(length, answer.bytes.size());
    std::copy_n(answer.bytes.begin(), n, static_cast<uint8_t*>(buffer));
    return static_cast<int32_t>(n);
  }

  CFakeClock& clock_;
  std::map<uint16_t, std::deque<Scripted>> answers_;
  std::deque<Scripted> chunks_;
};
