// A record of every request the machine received, one line each, flushed at once so that a
// test can read it while the emulator runs:
//   W <code> <payload hex>   control OUT (payload without the 4-byte vendor header; the hex
//                            field is left out when there is no payload)
//   R <code> <length>        control IN, the length asked for in decimal
//   ID                       device ID query
//   BO <hex>                 bulk OUT data
//   BI <count>               bulk IN data delivered, count in decimal (empty reads not written)
//   F <path> <hex>           a file handed over: its path and its bytes
//   STEP                     a client set a request before it had its last acknowledge
// Codes are four hex digits; all hex is lowercase without blanks. A journal stamped with a
// clock starts each line with the clock's milliseconds and a blank, so that a benchmark can
// tell when a request arrived.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "clock.h"

std::string HexBytes(const uint8_t* data, size_t length);

class CJournal {
 public:
  CJournal() = default;
  ~CJournal() { Close(); }

  bool Open(const std::string& path);  // truncates
  void Close();
  bool isOpen() const { return file_ != nullptr; }
  void StampWith(CClock* clock) { clock_ = clock; }

  void ControlOut(uint16_t code, const std::vector<uint8_t>& payload);
  void ControlIn(uint16_t code, uint16_t length);
  void DeviceId();
  void BulkOut(const uint8_t* data, size_t length);
  void BulkIn(size_t count);
  void OutputFile(const std::string& path, const std::vector<uint8_t>& content);
  void OutOfStep();

 private:
  CJournal(const CJournal&) = delete;
  CJournal& operator=(const CJournal&) = delete;
  void Line(const std::string& text);

  FILE* file_ = nullptr;
  CClock* clock_ = nullptr;
};
