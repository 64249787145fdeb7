// Drives the emulated machine as the library does, with a clock the test moves by hand.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "clock.h"
#include "command_codes.h"
#include "machine_model.h"
#include "wire_order.h"

class CFakeClock : public CClock {
 public:
  uint32_t TickCount() override { return now; }
  void Sleep(uint32_t ms) override { now += ms; }
  uint32_t now = 0xFFFFF000u;  // close to the wrap-around, so that wrapping is always exercised
};

using Bytes = std::vector<uint8_t>;

struct Status {
  uint32_t state;
  uint32_t handshake;
  bool pending() const { return handshake & kHandshakePending; }
  bool executing() const { return handshake & kHandshakeExecuting; }
  bool error() const { return handshake & kHandshakeError; }
  uint32_t replySize() const { return handshake >> 24; }
};

class CMachineHost {
 public:
  explicit CMachineHost(CMachineModel& machine, CFakeClock& clock)
      : machine_(machine), clock_(clock), order_(machine.options().bigEndian) {}

  void Write(uint16_t code, const Bytes& payload = Bytes()) {
    machine_.ControlOut(0x41, kVendorRequest, code, payload);
  }
  Bytes Read(uint16_t code, uint16_t length) {
    return machine_.ControlIn(0xC1, kVendorRequest, code, length);
  }
  Status ReadStatus() {
    Bytes raw = Read(kCmdStatus, 8);
    return Status{order_.Get32(raw, 0), order_.Get32(raw, 4)};
  }
  // Write, then poll every 10 ms until accepted; false on the error bit or after 100 polls.
  bool Send(uint16_t code, const Bytes& payload = Bytes()) {
    Write(code, payload);
    for (int poll = 0; poll < 100; ++poll) {
      Status status = ReadStatus();
      if (status.error()) return false;
      if (!status.pending()) return true;
      clock_.Sleep(10);
    }
    return false;
  }
  // A query: the reply announced in the status, read through 0x0003. Empty on the error bit.
  Bytes Query(uint16_t code) {
    Write(code);
    Status status = ReadStatus();
    if (status.error() || status.replySize() == 0) return Bytes();
    return Read(kCmdReply, static_cast<uint16_t>(status.replySize()));
  }
  uint32_t QueryWord(uint16_t code) { return order_.Get32(Query(code), 0); }
  std::string QueryText(uint16_t code) {
    Bytes reply = Query(code);
    return std::string(reply.begin(), std::find(reply.begin(), reply.end(), 0));
  }
  void Position(int32_t out[6]) {
    Bytes reply = Query(kCmdGetCurrentPosition);
    for (int i = 0; i < 6; ++i) out[i] = order_.GetSigned32(reply, 4 * i);
  }
  // Reads bulk IN until a chunk ends in a zero byte or maxReads reads came back empty in a row.
  Bytes BulkUntilZero(int maxEmptyReads = 5) {
    Bytes all;
    for (int empty = 0; empty < maxEmptyReads;) {
      Bytes chunk = machine_.BulkIn(2048);
      if (chunk.empty()) {
        ++empty;
        continue;
      }
      all.insert(all.end(), chunk.begin(), chunk.end());
      if (chunk.back() == 0) break;
    }
    return all;
  }

  Bytes Words32(std::initializer_list<uint32_t> words) const {
    Bytes out;
    for (uint32_t word : words) order_.Put32(out, word);
    return out;
  }
  Bytes MoveRecord(uint16_t speed, int32_t x, int32_t y, int32_t z) const {
    Bytes out;
    order_.Put16(out, speed);
    order_.Put16(out, 0);
    for (int32_t value : {x, y, z, 0, 0, 0}) order_.Put32(out, static_cast<uint32_t>(value));
    return out;
  }
  Bytes AxisRecord(uint16_t current, uint16_t speed, int32_t target) const {
    Bytes out;
    order_.Put16(out, current);
    order_.Put16(out, speed);
    order_.Put32(out, static_cast<uint32_t>(target));
    return out;
  }
  const CWireOrder& order() const { return order_; }

 private:
  CMachineModel& machine_;
  CFakeClock& clock_;
  CWireOrder order_;
};

class EmulatorTest : public ::testing::Test {
 protected:
  explicit EmulatorTest(const MachineOptions& options = MachineOptions())
      : machine_(clock_, options), host_(machine_, clock_) {}
  CFakeClock clock_;
  CMachineModel machine_;
  CMachineHost host_;
};
