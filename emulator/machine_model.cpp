#include "machine_model.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "command_codes.h"

const char kDeviceIdText[] = "MFG:Varnel;CMD:HVX;MDL:HVX-40;CLS:PRINTER;DES:Varnel HVX-40;";

namespace {

constexpr uint8_t kVendorOut = 0x41;
constexpr uint8_t kVendorIn = 0xC1;
constexpr uint8_t kClassIn = 0xA1;
constexpr uint8_t kDeviceIdRequest = 0;
// A command is accepted at the first status poll after it was written: that poll still shows it
// pending, the next one not, so that a host's acceptance wait is exercised every time.
constexpr int kPendingPolls = 1;

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

}  // namespace

CMachineModel::CMachineModel(CClock& clock, const MachineOptions& options)
    : clock_(clock),
      options_(options),
      order_(options.bigEndian),
      motion_(clock),
      store_(order_) {
  motion_.SetRateScale(options.rateScale);
  update_.SetTotalMs(options.updateMs);
}

void CMachineModel::ControlOut(uint8_t requestType, uint8_t request, uint16_t value,
                               const std::vector<uint8_t>& data) {
  journal_.ControlOut(value, data);
  BeginCommand();
  lastCommand_ = value;
  const CommandEntry* entry = FindCommand(value);
  bool known = requestType == kVendorOut && request == kVendorRequest && entry &&
               entry->shape != CommandShape::kDirectRead;
  if (faults_.errorOnNextCommand) {
    faults_.errorOnNextCommand = false;
    return Fail();
  }
  if (!known || !PayloadFits(*entry, value, data) || !Execute(value, *entry, data)) return Fail();
  Accept(*entry);
}

// A new command replaces whatever the previous one left in the channel.
void CMachineModel::BeginCommand() {
  error_ = false;
  pendingPolls_ = 0;
  executing_ = false;
  reply_.clear();
}

bool CMachineModel::PayloadFits(const CommandEntry& entry, uint16_t code,
                                const std::vector<uint8_t>& data) const {
  int length = static_cast<int>(data.size());
  if (length < entry.payloadMin || length > entry.payloadMax) return false;
  if (code == kCmdWriteWordTable) {
    return length % 2 == 0 && static_cast<size_t>(length) <= 2 * store_.wordTable().size();
  }
  return true;
}

void CMachineModel::Accept(const CommandEntry& entry) {
  if (!IsAcceptedShape(entry.shape)) return;
  pendingPolls_ = kPendingPolls;
  if (entry.shape == CommandShape::kCommandDone) {
    executing_ = true;
    executeStartMs_ = clock_.TickCount();
  }
}

std::vector<uint8_t> CMachineModel::ControlIn(uint8_t requestType, uint8_t request,
                                              uint16_t value, uint16_t length) {
  std::vector<uint8_t> answer;
  if (requestType == kClassIn && request == kDeviceIdRequest) {
    journal_.DeviceId();
    answer = DeviceIdReply();
  } else {
    journal_.ControlIn(value, length);
    if (requestType == kVendorIn && request == kVendorRequest) {
      answer = VendorRead(value, length);
    } else {
      Fail();
    }
  }
  if (answer.size() > length) answer.resize(length);
  return answer;
}

std::vector<uint8_t> CMachineModel::VendorRead(uint16_t code, uint16_t length) {
  switch (code) {
    case kCmdStatus:
      return StatusReply();
    case kCmdReply:
      return TakeReply(length);
    case kCmdProtocolCheck: {
      RestartWhenUpdateEnded();
      // The identifier always travels little-endian, the marker in the machine's order.
      std::vector<uint8_t> answer = {kProtocolIdentifier & 0xFF, kProtocolIdentifier >> 8};
      order_.Put16(answer, kByteOrderMarker);
      return answer;
    }
    case kCmdDeviceBlock:
    case kCmdGetPair0248:
      return DirectReply(code);
    default:
      Fail();
      return {};
  }
}

std::vector<uint8_t> CMachineModel::StatusReply() {
  std::vector<uint8_t> answer;
  order_.Put32(answer, StateWord());
  order_.Put32(answer, HandshakeWord());
  if (pendingPolls_ > 0) --pendingPolls_;
  return answer;
}

std::vector<uint8_t> CMachineModel::TakeReply(uint16_t length) {
  std::vector<uint8_t> answer = reply_;
  if (answer.size() > length) answer.resize(length);
  reply_.clear();
  return answer;
}

std::vector<uint8_t> CMachineModel::DirectReply(uint16_t code) {
  std::vector<uint8_t> answer = code == kCmdDeviceBlock ? DeviceBlock() : store_.Load(code, 8);
  if (faults_.shortReplies) answer.pop_back();
  return answer;
}

std::vector<uint8_t> CMachineModel::DeviceIdReply() const {
  std::string text = kDeviceIdText;
  size_t total = text.size() + 2;  // the IEEE 1284 length counts its own two bytes
  std::string answer = {static_cast<char>(total >> 8), static_cast<char>(total & 0xFF)};
  answer += text;
  return std::vector<uint8_t>(answer.begin(), answer.end());
}

void CMachineModel::Offer(std::vector<uint8_t> reply) {
  if (faults_.shortReplies && !reply.empty()) reply.pop_back();
  if (reply.size() > 255) reply.resize(255);  // the reply size travels in eight bits
  reply_ = reply;
}

void CMachineModel::QueueBulkIn(const std::vector<uint8_t>& bytes) {
  size_t count = faults_.bulkStops ? bytes.size() / 2 : bytes.size();
  bulkIn_.assign(bytes.begin(), bytes.begin() + count);
}

uint32_t CMachineModel::StateWord() const {
  uint32_t now = clock_.TickCount();
  if (update_.active()) return update_.StateBits(now);
  uint32_t word = faults_.offline ? kStateOffline : faults_.busyForever ? kStateBusy : kStateReady;
  if (faults_.jobBlocked) word |= kStateJobBlocked;
  if (motion_.Moving()) word |= kStateMotion;
  if (coverOpen_) word |= kStateCoverOpen;
  return word;
}

uint32_t CMachineModel::HandshakeWord() const {
  uint32_t word = static_cast<uint32_t>(reply_.size()) << 24;
  if (error_) word |= kHandshakeError;
  bool executing = executing_ && ElapsedMs(executeStartMs_, clock_.TickCount()) < kExecuteMs;
  if (executing || faults_.busyForever) word |= kHandshakeExecuting;
  if (pendingPolls_ > 0) word |= kHandshakePending;
  return word;
}

uint32_t CMachineModel::InputWord() const {
  return motion_.SensorBits() | (coverOpen_ ? 0 : kInputCoverClosed);
}

uint32_t CMachineModel::SpindleRpm() const {
  if (coverOpen_ || update_.active()) return 0;
  uint32_t override = store_.Load(kCmdGetSpindleOverride, 1)[0];
  return static_cast<uint32_t>(static_cast<uint64_t>(spindleSetRpm_) * override / 100);
}

void CMachineModel::BulkOut(const uint8_t* data, size_t length) {
  journal_.BulkOut(data, length);
  size_t taken = std::min(length, uploadRemaining_);
  upload_.insert(upload_.end(), data, data + taken);
  uploadRemaining_ -= taken;
  rawBulkBytes_ += length - taken;
  if (taken > 0 && uploadRemaining_ == 0) {
    store_.area(0) = upload_;
    upload_.clear();
  }
}

std::vector<uint8_t> CMachineModel::BulkIn(size_t max) {
  size_t count = std::min(max, bulkIn_.size());
  std::vector<uint8_t> chunk(bulkIn_.begin(), bulkIn_.begin() + count);
  bulkIn_.erase(bulkIn_.begin(), bulkIn_.begin() + count);
  journal_.BulkIn(count);
  return chunk;
}

bool CMachineModel::OutputFile(const std::string& path) {
  std::vector<uint8_t> content;
  if (!ReadWholeFile(path, content)) return false;
  journal_.OutputFile(path, content);
  if (update_.active()) return update_.TakeImage(content, clock_.TickCount());
  ++jobsReceived_;
  lastJobPath_ = path;
  return true;
}

void CMachineModel::ClientDisconnected() { RestartWhenUpdateEnded(); }

void CMachineModel::ClientOutOfStep() { journal_.OutOfStep(); }

// The host reloads its library between entering update mode and sending the image, so only a
// reconnection after the installation has ended counts as the restart that leaves update mode.
void CMachineModel::RestartWhenUpdateEnded() {
  if (update_.active() && update_.Ended(clock_.TickCount())) Restart();
}

void CMachineModel::SetCoverOpen(bool open) {
  // Opening the cover stops the axes, as the interlock of the machine does.
  if (open && !coverOpen_) motion_.Stop();
  coverOpen_ = open;
}

void CMachineModel::Restart() {
  update_.Leave();
  motion_.Stop();
  spindleSetRpm_ = 0;
  BeginCommand();
  bulkIn_.clear();
  uploadRemaining_ = 0;
  upload_.clear();
}
