// A link and a block server over the fake kernel; the server answers each request at once.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "block_server.h"
#include "fake_kernel.h"
#include "recording_machine.h"
#include "simulator_block.h"
#include "simulator_link.h"

class LinkTest : public ::testing::Test {
 protected:
  static constexpr const char* kDevice = "Varnel HVX-40";

  LinkTest() : server(kernel), link(kernel) {}

  void SetUp() override {
    ASSERT_TRUE(server.Create(kDevice));
    kernel.onRequest = [this] { server.ServeOnce(machine, 0); };
  }

  OsHandle Connect() {
    OsHandle handle = link.OpenBlock(kDevice, window);
    kernel.eventSets.clear();
    kernel.posts.clear();
    return handle;
  }

  uint8_t* Block() { return kernel.Mapping(simblock::MappingName(kDevice))->data(); }
  uint8_t* PipeRecord(size_t offsetField) {
    return Block() + simblock::Get16(Block() + offsetField);
  }
  static const uint8_t* PipeIn(const std::vector<uint8_t>& block, size_t offsetField) {
    return block.data() + simblock::Get16(block.data() + offsetField);
  }

  CFakeKernel kernel;
  CBlockServer server;
  CSimulatorLink link;
  CRecordingMachine machine;
  OsHandle window = reinterpret_cast<OsHandle>(0x5150);
};

inline ServerFaults NoAcknowledge() {
  ServerFaults faults;
  faults.noAcknowledge = true;
  return faults;
}

inline std::vector<uint8_t> Pattern(size_t size, uint8_t seed = 1) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7 + (i >> 8));
  return bytes;
}
