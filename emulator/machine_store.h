// The machine's stored values: what a setter writes a getter reads back, the texts, the two
// parameter areas and the 16-bit table. Numbers are kept as they travelled on the wire, so a
// value reads back byte for byte in either byte order.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "wire_order.h"

constexpr size_t kArea0Size = 2048;
constexpr size_t kArea1Size = 1024;
constexpr size_t kWordTableWords = 64;
constexpr uint32_t kCompensationUnit = 1000000;  // numerator and denominator of factor 1
extern const char kFirmwareVersion[];

class CMachineStore {
 public:
  explicit CMachineStore(const CWireOrder& order);

  // The getter whose value a setter replaces; the setter itself when none reads it back.
  static uint16_t GetterOf(uint16_t setterCode);

  void Store(uint16_t getterCode, const std::vector<uint8_t>& wireBytes);
  // The stored bytes, or zeros of the given length when the getter was never set.
  std::vector<uint8_t> Load(uint16_t getterCode, size_t length) const;

  void SetText(uint16_t getterCode, const std::string& text) { texts_[getterCode] = text; }
  std::string Text(uint16_t getterCode) const;

  std::vector<uint8_t>& area(int index) { return areas_[index]; }
  const std::vector<uint8_t>& area(int index) const { return areas_[index]; }
  void ClearArea0();

  std::vector<uint16_t>& wordTable() { return wordTable_; }
  const std::vector<uint16_t>& wordTable() const { return wordTable_; }

  // Decoded compensation record of 0x0280 or 0x0282: three numerators, three denominators.
  void Compensation(uint16_t getterCode, uint32_t words[6]) const;

 private:
  CWireOrder order_;
  std::map<uint16_t, std::vector<uint8_t>> values_;
  std::map<uint16_t, std::string> texts_;
  std::vector<uint8_t> areas_[2];
  std::vector<uint16_t> wordTable_;
};
