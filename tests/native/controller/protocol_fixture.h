#pragma once

#include <gtest/gtest.h>

#include "command_protocol.h"
#include "fake_clock.h"
#include "scripted_transport.h"

class CProtocolUnderTest : public CCommandProtocol {
 public:
  CProtocolUnderTest(CTransport* transport, CClock& clock) : CCommandProtocol(transport, clock) {}
  int EnumerateDevices() override { return -1; }
  const char* GetDeviceName() override { return ""; }
  const char* GetDeviceNameAt(int) override { return nullptr; }
  bool Connect(const std::string&) override { return false; }
  void Disconnect() override {}
  bool ConnectSimulator(int) override { return false; }
  bool ConnectSimulatorNamed(const std::string&, int) override { return false; }
  bool GetDeviceId(std::string&) override { return false; }

  void SetSwap(bool swap) { swapBytes_ = swap; }
  bool Grow(int needed) { return GrowScratch(needed); }
  int scratchCapacity() const { return scratchSize_; }
};

constexpr uint32_t kPending = 0x40;
constexpr uint32_t kExecuting = 0x20;
constexpr uint32_t kError = 0x10;
inline uint32_t ReplySize(uint32_t size) { return size << 24; }

class ProtocolTest : public ::testing::Test {
 protected:
  ProtocolTest() : transport(clock), protocol(&transport, clock) {}

  // The lock depth at each status read.
  std::vector<int> StatusReadDepths() const {
    std::vector<int> depths;
    int depth = 0;
    for (const auto& call : transport.calls) {
      if (call.op == "lock") ++depth;
      if (call.op == "unlock") --depth;
      if (call.op == "read" && call.value == 0x0001) depths.push_back(depth);
    }
    return depths;
  }

  CFakeClock clock;
  CScriptedTransport transport;
  CProtocolUnderTest protocol;
};
