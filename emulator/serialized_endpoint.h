// The machine as the serving thread reaches it: every call under the one mutex that the window
// and the control channel also take, so that the machine model itself needs no locking.
#pragma once

#include <mutex>

#include "machine_endpoint.h"

class CSerializedEndpoint : public CMachineEndpoint {
 public:
  CSerializedEndpoint(CMachineEndpoint& machine, std::mutex& mutex)
      : machine_(machine), mutex_(mutex) {}

  void ControlOut(uint8_t requestType, uint8_t request, uint16_t value,
                  const std::vector<uint8_t>& data) override {
    std::lock_guard<std::mutex> hold(mutex_);
    machine_.ControlOut(requestType, request, value, data);
  }
  std::vector<uint8_t> ControlIn(uint8_t requestType, uint8_t request, uint16_t value,
                                 uint16_t length) override {
    std::lock_guard<std::mutex> hold(mutex_);
    return machine_.ControlIn(requestType, request, value, length);
  }
  bool BulkOutReady() override {
    std::lock_guard<std::mutex> hold(mutex_);
    return machine_.BulkOutReady();
  }
  void BulkOut(const uint8_t* data, size_t length) override {
    std::lock_guard<std::mutex> hold(mutex_);
    machine_.BulkOut(data, length);
  }
  std::vector<uint8_t> BulkIn(size_t max) override {
    std::lock_guard<std::mutex> hold(mutex_);
    return machine_.BulkIn(max);
  }
  bool OutputFile(const std::string& path) override {
    std::lock_guard<std::mutex> hold(mutex_);
    return machine_.OutputFile(path);
  }
  void ClientDisconnected() override {
    std::lock_guard<std::mutex> hold(mutex_);
    machine_.ClientDisconnected();
  }
  void ClientOutOfStep() override {
    std::lock_guard<std::mutex> hold(mutex_);
    machine_.ClientOutOfStep();
  }

 private:
  CMachineEndpoint& machine_;
  std::mutex& mutex_;
};
