// A simulator's shared block with acknowledges that always come, scripted IN answers, and a
// record of what the library put into the block.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "simulator_block.h"
#include "simulator_ipc.h"

class CFakeSimulator : public CSimulatorIpc {
 public:
  static constexpr uint16_t kControlPipe = 0x100;
  static constexpr uint16_t kBulkOutPipe = 0x400;
  static constexpr uint16_t kBulkInPipe = 0x600;
  static constexpr uint16_t kPacket = 64;
  static constexpr uint16_t kCapacity = 512;

  struct Setup {
    uint8_t requestType;
    uint8_t request;
    uint16_t value;
    uint16_t length;
  };

  std::string device = simblock::kPlainEventsDevice;  // the machine whose events this one serves

  CFakeSimulator() : block(4096, 0) {
    block[simblock::kStatus1] = simblock::kDevicePresentBit;
    Pipe(simblock::kControlPipeOffset, kControlPipe);
    Pipe(simblock::kBulkOutPipeOffset, kBulkOutPipe);
    Pipe(simblock::kBulkInPipeOffset, kBulkInPipe);
  }

  OsHandle OpenMapping(const std::string& name) override {
    mappingNames.push_back(name);
    return mappingExists ? reinterpret_cast<OsHandle>(0x3000) : nullptr;
  }
  uint8_t* MapView(OsHandle, size_t* size) override {
    *size = block.size();
    ++views;
    return block.data();
  }
  void UnmapView(uint8_t*) override { --views; }
  void CloseHandle(OsHandle) override {}
  OsHandle CreateNamedEvent(const char* name) override {
    eventNames.push_back(name);
    return reinterpret_cast<OsHandle>(static_cast<intptr_t>(eventNames.size()));
  }
  void SetEvent(OsHandle event) override {
    const std::string name = eventNames[reinterpret_cast<intptr_t>(event) - 1];
    setNames.push_back(name);
    if (name == simblock::EventName(simblock::kControlRequest, device)) OnControl();
    if (name == simblock::EventName(simblock::kBulkOutRequest, device)) OnBulkOut();
    if (name == simblock::EventName(simblock::kBulkInRequest, device)) OnBulkIn();
    if (name == simblock::EventName(simblock::kOutputFileRequest, device)) {
      outputPaths.push_back(reinterpret_cast<const char*>(&block[simblock::kOutputFilePath]));
    }
  }
  void ResetEvent(OsHandle) override {}
  bool WaitEvent(OsHandle, uint32_t) override { return true; }
  void PostDeviceChange(OsHandle window) override { posts.push_back(window); }
  OsHandle MainWindow() override { return nullptr; }
  // A clock that only moves when slept on or looked at; the not-ready bit clears after the
  // given number of pauses (never when negative).
  uint32_t TickCount() override { return ++now; }
  void Sleep(uint32_t ms) override {
    now += ms;
    sleeps.push_back(ms);
    if (static_cast<int>(sleeps.size()) == readyAfterSleeps) {
      block[simblock::kStatus0] &= static_cast<uint8_t>(~simblock::kBulkOutNotReadyBit);
    }
  }

  int Count(const char* eventName) const {
    return static_cast<int>(std::count(setNames.begin(), setNames.end(), eventName));
  }

  std::vector<uint8_t> block;
  bool mappingExists = true;
  int views = 0;
  std::vector<std::string> mappingNames;
  std::vector<std::string> eventNames;
  std::vector<std::string> setNames;
  std::vector<OsHandle> posts;
  std::vector<Setup> setups;
  std::deque<std::vector<uint8_t>> controlAnswers;  // one per control IN transfer
  std::vector<uint8_t> bulkOut;
  std::deque<std::vector<uint8_t>> bulkInChunks;
  std::vector<std::string> outputPaths;
  uint32_t now = 0;
  std::vector<uint32_t> sleeps;
  int readyAfterSleeps = -1;

 private:
  void Pipe(size_t offsetField, uint16_t offset) {
    simblock::Put16(&block[offsetField], offset);
    simblock::Put16(&block[offset + simblock::kPipePacketSize], kPacket);
    simblock::Put16(&block[offset + simblock::kPipeCapacity], kCapacity);
  }
  uint8_t* Record(uint16_t pipe) { return &block[pipe]; }

  void OnControl() {
    uint8_t* pipe = Record(kControlPipe);
    if (block[simblock::kSetupPending]) {
      setups.push_back({block[simblock::kRequestType], block[simblock::kRequest],
                        simblock::Get16(&block[simblock::kValue]),
                        simblock::Get16(&block[simblock::kLength])});
      answering = (block[simblock::kRequestType] & 0x80) != 0;
      return;
    }
    if (pipe[simblock::kPipeDirection] == simblock::kHostToDevice) return;
    // An IN data stage gets the whole answer as its first piece; any further one is empty.
    std::vector<uint8_t> answer;
    if (answering && !controlAnswers.empty()) {
      answer = controlAnswers.front();
      controlAnswers.pop_front();
    }
    answering = false;
    std::copy(answer.begin(), answer.end(), pipe + simblock::kPipeData);
    simblock::Put16(pipe + simblock::kPipeCount, static_cast<uint16_t>(answer.size()));
  }
  void OnBulkOut() {
    uint8_t* pipe = Record(kBulkOutPipe);
    uint16_t count = simblock::Get16(pipe + simblock::kPipeCount);
    bulkOut.insert(bulkOut.end(), pipe + simblock::kPipeData, pipe + simblock::kPipeData + count);
  }
  void OnBulkIn() {
    uint8_t* pipe = Record(kBulkInPipe);
    std::vector<uint8_t> chunk;
    if (!bulkInChunks.empty()) {
      chunk = bulkInChunks.front();
      bulkInChunks.pop_front();
    }
    std::copy(chunk.begin(), chunk.end(), pipe + simblock::kPipeData);
    simblock::Put16(pipe + simblock::kPipeCount, static_cast<uint16_t>(chunk.size()));
  }

  bool answering = false;  // an IN setup was seen and its data stage not yet answered
};
