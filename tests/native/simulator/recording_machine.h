// An emulated machine that records what the block server handed it and answers from a script.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "machine_endpoint.h"

struct ControlOutCall {
  uint8_t requestType;
  uint8_t request;
  uint16_t value;
  std::vector<uint8_t> data;
};

struct ControlInCall {
  uint8_t requestType;
  uint8_t request;
  uint16_t value;
  uint16_t length;
};

class CRecordingMachine : public CMachineEndpoint {
 public:
  void ControlOut(uint8_t requestType, uint8_t request, uint16_t value,
                  const std::vector<uint8_t>& data) override {
    controlOuts.push_back(ControlOutCall{requestType, request, value, data});
  }
  std::vector<uint8_t> ControlIn(uint8_t requestType, uint8_t request, uint16_t value,
                                 uint16_t length) override {
    controlIns.push_back(ControlInCall{requestType, request, value, length});
    return controlAnswer;
  }
  bool BulkOutReady() override { return bulkOutReady; }
  void BulkOut(const uint8_t* data, size_t length) override {
    bulkOut.insert(bulkOut.end(), data, data + length);
    bulkOutPieces.push_back(length);
  }
  std::vector<uint8_t> BulkIn(size_t max) override {
    bulkInAsked.push_back(max);
    if (bulkInPieces.empty()) return {};
    std::vector<uint8_t>& front = bulkInPieces.front();
    size_t taken = std::min(max, front.size());
    std::vector<uint8_t> piece(front.begin(), front.begin() + taken);
    front.erase(front.begin(), front.begin() + taken);
    if (front.empty()) bulkInPieces.pop_front();
    return piece;
  }
  bool OutputFile(const std::string& path) override {
    files.push_back(path);
    return true;
  }
  void ClientDisconnected() override { ++disconnects; }
  void ClientOutOfStep() override { ++outOfStep; }

  std::vector<uint8_t> controlAnswer;
  bool bulkOutReady = true;
  std::deque<std::vector<uint8_t>> bulkInPieces;

  std::vector<ControlOutCall> controlOuts;
  std::vector<ControlInCall> controlIns;
  std::vector<uint8_t> bulkOut;
  std::vector<size_t> bulkOutPieces;
  std::vector<size_t> bulkInAsked;
  std::vector<std::string> files;
  int disconnects = 0;
  int outOfStep = 0;
};
