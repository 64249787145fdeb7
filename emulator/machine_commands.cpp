// What each command does to the machine and what each query answers.
#include <algorithm>

#include "command_codes.h"
#include "machine_model.h"

bool CMachineModel::Execute(uint16_t code, const CommandEntry& entry,
                            const std::vector<uint8_t>& data) {
  switch (entry.shape) {
    case CommandShape::kQuery:
      return Query(code, entry);
    case CommandShape::kBulkText: {
      std::string text = SystemReport();
      std::vector<uint8_t> bytes(text.begin(), text.end());
      bytes.push_back(0);  // the host reads until a chunk ends in this zero byte
      QueueBulkIn(bytes);
      return true;
    }
    case CommandShape::kBulkDump:
      QueueBulkIn(store_.area(code == kCmdArea0Read ? 0 : 1));
      return true;
    case CommandShape::kBulkUpload:
      uploadRemaining_ = store_.area(0).size();
      upload_.clear();
      return true;
    default:
      return Command(code, data);
  }
}

bool CMachineModel::Query(uint16_t code, const CommandEntry& entry) {
  std::vector<uint8_t> reply;
  if (entry.replyLength == kReplyString) {
    std::string text = store_.Text(code);
    reply.assign(text.begin(), text.end());
    reply.push_back(0);
  } else if (entry.replyLength == kReplyWordTable) {
    reply = WordTableReply();
  } else if (code == kCmdGetInputState) {
    order_.Put32(reply, InputWord());
  } else if (code == kCmdGetCurrentPosition) {
    reply = PositionReply();
  } else if (code == kCmdGetSpindleSpeed) {
    order_.Put32(reply, SpindleRpm());
  } else if (code == kCmdArea0Size || code == kCmdArea1Size) {
    order_.Put32(reply, static_cast<uint32_t>(store_.area(code == kCmdArea0Size ? 0 : 1).size()));
  } else {
    reply = store_.Load(code, static_cast<size_t>(entry.replyLength));
  }
  Offer(reply);
  return true;
}

bool CMachineModel::Command(uint16_t code, const std::vector<uint8_t>& data) {
  switch (code) {
    case kCmdEnterUpdateMode:
      // An installation under way is not started over.
      if (update_.active() && update_.Phase(clock_.TickCount()) != kPhaseWaiting) return false;
      motion_.Stop();
      spindleSetRpm_ = 0;
      update_.Enter();
      return true;
    case kCmdMove0260:
    case kCmdMove0262:
    case kCmdMoveTo:
    case kCmdMove0264:
      return Move(data);
    case kCmdMoveAxisX:
    case kCmdMoveAxisY:
    case kCmdMoveAxisZ:
      return MoveAxis(code - kCmdMoveAxisX, data);
    case kCmdStopMotion:
      motion_.Stop();
      return true;
    case kCmdSetSerialNumber:
    case kCmdSetShortCode:
      return StoreText(code, data);
    case kCmdSetSpindleSpeed:
      if (update_.active()) return false;
      spindleSetRpm_ = order_.Get32(data, 0);
      return true;
    case kCmdClearAllParameters:
      store_.ClearArea0();
      return true;
    case kCmdWriteWordTable:
      return WriteWordTable(data);
    case kCmdSetUserCompensation:
    case kCmdSetCompensation2:
      // A scale factor with a zero denominator would divide by zero: refused.
      for (int axis = 3; axis < 6; ++axis) {
        if (order_.Get32(data, 4 * axis) == 0) return false;
      }
      break;
    default:
      break;
  }
  store_.Store(CMachineStore::GetterOf(code), data);
  return true;
}

// Texts arrive with their zero byte; one without it is a broken payload.
bool CMachineModel::StoreText(uint16_t code, const std::vector<uint8_t>& data) {
  auto zero = std::find(data.begin(), data.end(), 0);
  if (zero == data.end()) return false;
  store_.SetText(CMachineStore::GetterOf(code), std::string(data.begin(), zero));
  return true;
}

bool CMachineModel::MotionAllowed() const {
  return !coverOpen_ && !update_.active() && !faults_.offline;
}

bool CMachineModel::Move(const std::vector<uint8_t>& data) {
  if (!MotionAllowed()) return false;
  int32_t target[kVectorValues];
  for (int i = 0; i < kVectorValues; ++i) target[i] = order_.GetSigned32(data, 4 + 4 * i);
  motion_.MoveTo(target, order_.Get16(data, 0));
  return true;
}

bool CMachineModel::MoveAxis(int axis, const std::vector<uint8_t>& data) {
  if (!MotionAllowed()) return false;
  uint16_t current = order_.Get16(data, 0);
  uint16_t speed = order_.Get16(data, 2);
  motion_.MoveAxis(axis, order_.GetSigned32(data, 4), speed, current);
  return true;
}

bool CMachineModel::WriteWordTable(const std::vector<uint8_t>& data) {
  std::vector<uint16_t>& table = store_.wordTable();
  for (size_t i = 0; i < data.size() / 2; ++i) table[i] = order_.Get16(data, 2 * i);
  return true;
}

std::vector<uint8_t> CMachineModel::PositionReply() const {
  int32_t position[kVectorValues];
  motion_.Position(position);
  std::vector<uint8_t> reply;
  for (int32_t value : position) order_.Put32(reply, static_cast<uint32_t>(value));
  return reply;
}

std::vector<uint8_t> CMachineModel::WordTableReply() const {
  std::vector<uint8_t> reply;
  for (uint16_t word : store_.wordTable()) order_.Put16(reply, word);
  return reply;
}
