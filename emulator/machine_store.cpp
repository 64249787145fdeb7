#include "machine_store.h"

#include "command_codes.h"

const char kFirmwareVersion[] = "0102";

namespace {

struct SetterPair {
  uint16_t setter;
  uint16_t getter;
};

const SetterPair kPairs[] = {
    {kCmdSetSerialNumber, kCmdGetSerialNumber},
    {kCmdSetShortCode, kCmdGetShortCode},
    {kCmdSetValue020B, kCmdGetValue020A},
    {kCmdSetBlock12_020E, kCmdGetBlock12_020D},
    {kCmdSetBlock6_0210, kCmdGetBlock6_020F},
    {kCmdSetVector025F, kCmdGetVector025E},
    {kCmdSetValue027D, kCmdGetValue027C},
    {kCmdSetUserCompensation, kCmdGetUserCompensation},
    {kCmdSetCompensation2, kCmdGetCompensation2},
    {kCmdSetSpindleOverride, kCmdGetSpindleOverride},
    {kCmdSetByte3101, kCmdGetByte3100},
    {kCmdSetVector3107, kCmdGetVector3106},
    {kCmdSetTriple3201, kCmdGetTriple3200},
};

// A recognisable pattern, so that a dump that loses or shifts bytes shows it.
std::vector<uint8_t> PatternArea(size_t size, uint8_t seed) {
  std::vector<uint8_t> area(size);
  for (size_t i = 0; i < size; ++i) area[i] = static_cast<uint8_t>(i * 7 + seed);
  return area;
}

}  // namespace

CMachineStore::CMachineStore(const CWireOrder& order) : order_(order) {
  areas_[0] = PatternArea(kArea0Size, 3);
  areas_[1] = PatternArea(kArea1Size, 5);
  for (size_t i = 0; i < kWordTableWords; ++i) wordTable_.push_back(static_cast<uint16_t>(i * 100));

  std::vector<uint8_t> unity;
  for (int i = 0; i < 6; ++i) order_.Put32(unity, kCompensationUnit);
  Store(kCmdGetUserCompensation, unity);
  Store(kCmdGetCompensation2, unity);
  Store(kCmdGetSpindleOverride, {100});

  SetText(kCmdGetSerialNumber, "HVX0001");
  SetText(kCmdGetShortCode, "A");
  SetText(kCmdGetString0211, "HVX-40");
  SetText(kCmdIndexedStringFirst, kFirmwareVersion);
  SetText(kCmdIndexedStringFirst + 1, "HVX-40");
  SetText(kCmdIndexedStringFirst + 2, "0100");
}

uint16_t CMachineStore::GetterOf(uint16_t setterCode) {
  for (const SetterPair& pair : kPairs) {
    if (pair.setter == setterCode) return pair.getter;
  }
  if (setterCode >= kCmdSetVector3335 && setterCode <= 0x3467) {
    return static_cast<uint16_t>(setterCode - kCoordinateSetterOffset);
  }
  if (setterCode >= kCmdIndexedValueSetBase && setterCode < kCmdIndexedValueSetBase + 16) {
    return static_cast<uint16_t>(setterCode - 0x10);
  }
  return setterCode;
}

void CMachineStore::Store(uint16_t getterCode, const std::vector<uint8_t>& wireBytes) {
  values_[getterCode] = wireBytes;
}

std::vector<uint8_t> CMachineStore::Load(uint16_t getterCode, size_t length) const {
  auto found = values_.find(getterCode);
  std::vector<uint8_t> bytes = found == values_.end() ? std::vector<uint8_t>() : found->second;
  bytes.resize(length, 0);
  return bytes;
}

std::string CMachineStore::Text(uint16_t getterCode) const {
  auto found = texts_.find(getterCode);
  return found == texts_.end() ? std::string() : found->second;
}

void CMachineStore::ClearArea0() { areas_[0].assign(kArea0Size, 0); }

void CMachineStore::Compensation(uint16_t getterCode, uint32_t words[6]) const {
  std::vector<uint8_t> bytes = Load(getterCode, 24);
  for (int i = 0; i < 6; ++i) words[i] = order_.Get32(bytes, 4 * i);
}
