// The machine's own descriptions of itself: the system report and the device block.
#include <cstdio>

#include "command_codes.h"
#include "machine_model.h"

namespace {

std::string Format(const char* format, long long a, long long b = 0, long long c = 0) {
  char line[160];
  std::snprintf(line, sizeof line, format, a, b, c);
  return line;
}

int64_t CorrectionPpm(uint32_t numerator, uint32_t denominator) {
  if (denominator == 0) return -1;
  return static_cast<int64_t>(numerator) * kCompensationUnit / denominator - kCompensationUnit;
}

}  // namespace

std::string CMachineModel::SystemReport() const {
  int32_t position[kVectorValues];
  motion_.Position(position);
  uint32_t compensation[6];
  store_.Compensation(kCmdGetUserCompensation, compensation);

  std::string text = "Varnel HVX-40 System Report\r\n";
  text += "Serial Number: " + store_.Text(kCmdGetSerialNumber) + "\r\n";
  text += "Firmware Version: " + store_.Text(kCmdIndexedStringFirst) + "\r\n";
  text += Format("Position: X %lld Y %lld Z %lld\r\n", position[0], position[1], position[2]);
  text += Format("Input: 0x%08llx\r\n", InputWord());
  text += coverOpen_ ? "Cover: Open\r\n" : "Cover: Closed\r\n";
  text += Format("Spindle: %lld rpm\r\n", SpindleRpm());
  text += Format("User Compensation: X %lld ppm", CorrectionPpm(compensation[0], compensation[3]));
  text += Format(" Y %lld ppm Z %lld ppm\r\n", CorrectionPpm(compensation[1], compensation[4]),
                 CorrectionPpm(compensation[2], compensation[5]));
  text += Format("Parameter Area 0: %lld bytes\r\n", static_cast<long long>(store_.area(0).size()));
  text += Format("Parameter Area 1: %lld bytes\r\n", static_cast<long long>(store_.area(1).size()));
  text += Format("Jobs Received: %lld\r\n", jobsReceived_);
  if (options_.reportSize == 0) return text;

  // A long report for measuring transfers: history lines up to exactly the size asked for.
  for (long long line = 1; text.size() < options_.reportSize; ++line) {
    text += Format("History %07lld: axis check passed, X %lld um\r\n", line, line % kTravel[0].high);
  }
  text.resize(options_.reportSize);
  return text;
}

std::vector<uint8_t> CMachineModel::DeviceBlock() const {
  int32_t position[kVectorValues];
  motion_.Position(position);
  std::vector<uint8_t> block;
  order_.Put32(block, StateWord());
  order_.Put32(block, InputWord());
  for (int32_t value : position) order_.Put32(block, static_cast<uint32_t>(value));
  order_.Put32(block, SpindleRpm());
  order_.Put16(block, store_.Load(kCmdGetSpindleOverride, 1)[0]);
  std::string serial = store_.Text(kCmdGetSerialNumber);
  serial.resize(18, '\0');
  block.insert(block.end(), serial.begin(), serial.end());
  return block;
}
