#include "command_protocol.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "../api/hvx40_facts.h"
#include "command_codes.h"
#include "out_of_memory.h"
#include "transport_lock.h"

namespace {

using handshake_word::kErrorBit;
using handshake_word::kExecutingBit;
using handshake_word::kPendingBit;
using handshake_word::kReplySizeShift;

constexpr uint32_t kAcceptLimitMs = 10000;
constexpr uint32_t kCompleteLimitMs = 3000;
constexpr uint32_t kReplyLimitMs = 3000;
// The machine needs a moment before its status shows the command; later polls are spaced so
// that the status reads do not crowd out the machine's own work.
constexpr uint32_t kFirstPollDelayMs = 5;
constexpr uint32_t kPollIntervalMs = 10;

constexpr int kStatusSize = 8;
// A reply's size travels in eight bits, so any reply text fits this buffer.
constexpr int kStringBuffer = 256;
constexpr int kScratchStep = 1024;
constexpr int kIndexedStringCount = 255;
constexpr int kControlLengthLimit = 0xFFFF;

constexpr int kKeepPolling = -1;

int Accepted(const MachineStatus& status) {
  return (status.handshakeWord & kPendingBit) ? kKeepPolling : 1;
}
int Completed(const MachineStatus& status) {
  return (status.handshakeWord & kExecutingBit) ? kKeepPolling : 1;
}
int ReplyReady(const MachineStatus& status) {
  const int size = static_cast<int>(status.handshakeWord >> kReplySizeShift);
  return size != 0 ? size : kKeepPolling;
}

uint16_t Swap16(uint16_t v) { return static_cast<uint16_t>((v << 8) | (v >> 8)); }
uint32_t Swap32(uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
}

bool ValidLength(int length) { return length >= 0 && length <= kControlLengthLimit; }

}  // namespace

CCommandProtocol::CCommandProtocol(CTransport* transport, CClock& clock)
    : transport_(transport), clock_(clock) {}

CCommandProtocol::~CCommandProtocol() { delete[] scratch_; }

uint16_t CCommandProtocol::Convert16(uint16_t value) const {
  return swapBytes_ ? Swap16(value) : value;
}
uint32_t CCommandProtocol::Convert32(uint32_t value) const {
  return swapBytes_ ? Swap32(value) : value;
}
void CCommandProtocol::Convert16(uint16_t* values, int count) const {
  for (int i = 0; i < count; ++i) values[i] = Convert16(values[i]);
}
void CCommandProtocol::Convert32(uint32_t* values, int count) const {
  for (int i = 0; i < count; ++i) values[i] = Convert32(values[i]);
}

bool CCommandProtocol::GrowScratch(int needed) {
  if (needed < scratchSize_) return true;
  const int size = (needed + kScratchStep) / kScratchStep * kScratchStep;
  uint8_t* grown = new (std::nothrow) uint8_t[size];
  if (!grown) {
    ReportOutOfMemory();
    return false;
  }
  if (scratchSize_ > 0) std::memcpy(grown, scratch_, scratchSize_);
  delete[] scratch_;
  scratch_ = grown;
  scratchSize_ = size;
  return true;
}

MachineStatus CCommandProtocol::ReadStatusUnlocked() {
  uint8_t bytes[kStatusSize];
  if (transport_->VendorRead(kCmdStatus, bytes, kStatusSize) != kStatusSize) {
    return MachineStatus{0xFFFFFFFFu, 0xFFFFFFFFu};
  }
  MachineStatus status;
  std::memcpy(&status.stateWord, bytes, 4);
  std::memcpy(&status.handshakeWord, bytes + 4, 4);
  status.stateWord = Convert32(status.stateWord);
  status.handshakeWord = Convert32(status.handshakeWord);
  return status;
}

MachineStatus CCommandProtocol::ReadStatus() {
  TransportLock lock(transport_);
  if (!lock.locked()) return MachineStatus{0xFFFFFFFFu, 0xFFFFFFFFu};
  return ReadStatusUnlocked();
}

// The limit is checked before each read, so the last status is read just inside it; the tick
// difference is unsigned so that a wrap-around of the counter does not end a wait early.
int CCommandProtocol::PollStatus(uint32_t limitMs, bool underCallersLock, StatusOutcome outcome) {
  const uint32_t start = clock_.TickCount();
  clock_.Sleep(kFirstPollDelayMs);
  for (;;) {
    if (ElapsedMs(start, clock_.TickCount()) > limitMs) return -1;
    const MachineStatus status = underCallersLock ? ReadStatusUnlocked() : ReadStatus();
    if (!underCallersLock && status.stateWord == 0xFFFFFFFFu) return -1;
    if (status.handshakeWord & kErrorBit) return -1;
    const int result = outcome(status);
    if (result != kKeepPolling) return result;
    clock_.Sleep(kPollIntervalMs);
  }
}

bool CCommandProtocol::WaitAccepted() { return PollStatus(kAcceptLimitMs, false, Accepted) > 0; }

bool CCommandProtocol::WaitCompleted() {
  return PollStatus(kCompleteLimitMs, false, Completed) > 0;
}

int CCommandProtocol::WaitReply() { return PollStatus(kReplyLimitMs, true, ReplyReady); }

int CCommandProtocol::ReadReply(void* buffer, int max) {
  const int size = WaitReply();
  if (size < 0) return -1;
  const int n = std::min(std::max(max, 0), size);
  if (n == 0) return 0;
  return transport_->VendorRead(kCmdReply, buffer, static_cast<uint16_t>(n));
}

bool CCommandProtocol::SendCommand(uint16_t code, const void* payload, int length) {
  if (!ValidLength(length)) return false;
  TransportLock lock(transport_);
  if (!lock.locked()) return false;
  if (!transport_->VendorWrite(code, payload, static_cast<uint16_t>(length))) return false;
  return WaitAccepted();
}

bool CCommandProtocol::SendWords16(uint16_t code, const uint16_t* words, int count) {
  const int length = 2 * std::max(count, 0);
  if (!GrowScratch(length)) return false;
  uint16_t* converted = reinterpret_cast<uint16_t*>(scratch_);
  if (length > 0) std::memcpy(converted, words, length);
  Convert16(converted, count);
  return SendCommand(code, scratch_, length);
}

bool CCommandProtocol::SendWords32(uint16_t code, const uint32_t* words, int count) {
  const int length = 4 * std::max(count, 0);
  if (!GrowScratch(length)) return false;
  uint32_t* converted = reinterpret_cast<uint32_t*>(scratch_);
  if (length > 0) std::memcpy(converted, words, length);
  Convert32(converted, count);
  return SendCommand(code, scratch_, length);
}

bool CCommandProtocol::SendString(uint16_t code, const char* text) {
  if (!text) return false;
  return SendCommand(code, text, static_cast<int>(std::strlen(text)) + 1);
}

int CCommandProtocol::Query(uint16_t code, void* buffer, int max) {
  TransportLock lock(transport_);
  if (!lock.locked()) return -1;
  if (!transport_->VendorWrite(code, nullptr, 0)) return -1;
  return ReadReply(buffer, max);
}

bool CCommandProtocol::QueryExact(uint16_t code, void* buffer, int length) {
  return Query(code, buffer, length) == length;
}

bool CCommandProtocol::QueryWords16(uint16_t code, uint16_t* words, int count) {
  if (!QueryExact(code, words, 2 * count)) return false;
  Convert16(words, count);
  return true;
}

bool CCommandProtocol::QueryWords32(uint16_t code, uint32_t* words, int count) {
  if (!QueryExact(code, words, 4 * count)) return false;
  Convert32(words, count);
  return true;
}

bool CCommandProtocol::QueryString(uint16_t code, std::string& out) {
  char buffer[kStringBuffer];
  const int received = Query(code, buffer, kStringBuffer);
  if (received < 1) return false;
  out.assign(buffer, strnlen(buffer, static_cast<size_t>(received)));
  return true;
}

bool CCommandProtocol::QueryIndexedString(int index, std::string& out) {
  if (index < 0 || index >= kIndexedStringCount) return false;
  return QueryString(static_cast<uint16_t>(kCmdIndexedStringFirst + index), out);
}

bool CCommandProtocol::DirectWrite(uint16_t code, const void* payload, int length) {
  if (!ValidLength(length)) return false;
  return transport_->VendorWrite(code, payload, static_cast<uint16_t>(length));
}

bool CCommandProtocol::DirectWriteWords32(uint16_t code, const uint32_t* words, int count) {
  const int length = 4 * std::max(count, 0);
  if (!GrowScratch(length)) return false;
  uint32_t* converted = reinterpret_cast<uint32_t*>(scratch_);
  if (length > 0) std::memcpy(converted, words, length);
  Convert32(converted, count);
  return DirectWrite(code, scratch_, length);
}

int CCommandProtocol::DirectRead(uint16_t code, void* buffer, int length) {
  if (length < 0) return -1;
  TransportLock lock(transport_);
  if (!lock.locked()) return -1;
  const uint16_t asked = static_cast<uint16_t>(std::min(length, kControlLengthLimit));
  return transport_->VendorRead(code, buffer, asked);
}

int CCommandProtocol::ReadDeviceBlock(void* buffer, int size) {
  const int received = DirectRead(kCmdDeviceBlock, buffer, size);
  if (received >= 8) {
    uint32_t words[2];
    std::memcpy(words, buffer, sizeof words);
    Convert32(words, 2);
    std::memcpy(buffer, words, sizeof words);
  }
  return received;
}
