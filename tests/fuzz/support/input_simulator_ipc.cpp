#include "input_simulator_ipc.h"

#include <algorithm>

using namespace simblock;

namespace {

// Where a well-behaved simulator puts its pipes; one input bit lays them out so.
constexpr uint16_t kPipeOffsets[] = {0x100, 0x400, 0x600};
constexpr size_t kPipeOffsetFields[] = {kControlPipeOffset, kBulkOutPipeOffset, kBulkInPipeOffset};
constexpr uint16_t kPacketSize = 64;
constexpr uint16_t kCapacity = 512;

// The bits of a rewrite's first byte.
constexpr uint8_t kPatchCountMask = 0x03;
constexpr uint8_t kAnswerInPipe = 0x04;

OsHandle HandleOf(intptr_t n) { return reinterpret_cast<OsHandle>(n); }

void Put16At(std::vector<uint8_t>& block, size_t at, uint16_t value) {
  if (at + 2 <= block.size()) Put16(&block[at], value);
}

}  // namespace

OsHandle CInputSimulatorIpc::OpenMapping(const std::string&) {
  return (in_.Byte() & 0x0F) != 0 ? HandleOf(0x3000) : nullptr;
}

uint8_t* CInputSimulatorIpc::MapView(OsHandle, size_t* size) {
  block_.assign(in_.Word16(), 0);
  if (in_.Flag()) LayOutPipes();
  Patch();
  *size = block_.size();
  // A view of no bytes still has an address of its own.
  if (block_.empty()) block_.reserve(1);
  return block_.data();
}

void CInputSimulatorIpc::UnmapView(uint8_t*) { std::vector<uint8_t>().swap(block_); }

void CInputSimulatorIpc::LayOutPipes() {
  if (kStatus1 < block_.size()) block_[kStatus1] = kDevicePresentBit;
  for (size_t pipe = 0; pipe < 3; ++pipe) {
    const uint16_t offset = kPipeOffsets[pipe];
    Put16At(block_, kPipeOffsetFields[pipe], offset);
    Put16At(block_, offset + kPipePacketSize, kPacketSize);
    Put16At(block_, offset + kPipeCapacity, kCapacity);
  }
}

OsHandle CInputSimulatorIpc::CreateNamedEvent(const char*) { return HandleOf(++next_event_); }

void CInputSimulatorIpc::SetEvent(OsHandle event) {
  const intptr_t index = reinterpret_cast<intptr_t>(event) - 1;
  if (index >= 0 && index < kDisconnect && index % 2 == 0) Rewrite(static_cast<Event>(index));
}

bool CInputSimulatorIpc::WaitEvent(OsHandle, uint32_t timeoutMs) {
  if (in_.Flag()) return true;
  now_ += timeoutMs;
  return false;
}

void CInputSimulatorIpc::Rewrite(Event request) {
  const uint8_t how = in_.Byte();
  for (int n = how & kPatchCountMask; n > 0; --n) Patch();
  if (!(how & kAnswerInPipe) || block_.empty()) return;
  if (request == kControlRequest) AnswerInPipe(kControlPipeOffset);
  if (request == kBulkInRequest) AnswerInPipe(kBulkInPipeOffset);
}

void CInputSimulatorIpc::Patch() {
  if (block_.empty()) return;
  const size_t at = in_.Word16() % block_.size();
  const std::vector<uint8_t> bytes = in_.Bytes(std::min<size_t>(in_.Byte(), block_.size() - at));
  std::copy(bytes.begin(), bytes.end(), block_.begin() + static_cast<std::ptrdiff_t>(at));
}

// The count the input gives, and as much data as the input and the block hold.
void CInputSimulatorIpc::AnswerInPipe(size_t offsetField) {
  if (offsetField + 2 > block_.size()) return;
  const size_t record = Get16(&block_[offsetField]);
  const uint16_t count = in_.Word16();
  Put16At(block_, record + kPipeCount, count);
  const size_t data = record + kPipeData;
  if (data >= block_.size()) return;
  const std::vector<uint8_t> bytes = in_.Bytes(std::min<size_t>(count, block_.size() - data));
  std::copy(bytes.begin(), bytes.end(), block_.begin() + static_cast<std::ptrdiff_t>(data));
}
