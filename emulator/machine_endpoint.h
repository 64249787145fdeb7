// What the emulator's shared-block server hands to the emulated machine: the USB requests of
// one client, already unframed. The server owns the block and the events; the machine owns the
// behaviour.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CMachineEndpoint {
 public:
  virtual ~CMachineEndpoint() {}
  // A control OUT transfer: request type, request, value, and the data stage without the
  // 4-byte vendor header (request, value high, value low, 0).
  virtual void ControlOut(uint8_t requestType, uint8_t request, uint16_t value,
                          const std::vector<uint8_t>& data) = 0;
  // A control IN transfer; the answer holds at most length bytes. Request type 0xA1, request 0
  // is the device ID query, answered with the IEEE 1284 two-byte length prefix and the text.
  virtual std::vector<uint8_t> ControlIn(uint8_t requestType, uint8_t request, uint16_t value,
                                         uint16_t length) = 0;
  // False while the machine takes no bulk data (the server then sets the not-ready bit).
  virtual bool BulkOutReady() = 0;
  virtual void BulkOut(const uint8_t* data, size_t length) = 0;
  // Up to max bytes of bulk IN data; empty when nothing is ready yet.
  virtual std::vector<uint8_t> BulkIn(size_t max) = 0;
  // A file handed over by path; false when the machine refuses it.
  virtual bool OutputFile(const std::string& path) = 0;
  // The client set the disconnect event.
  virtual void ClientDisconnected() = 0;
  // The client set a new request before it had the acknowledge of its last one; from then on
  // it takes acknowledges for requests not yet served and reads answers not yet given.
  virtual void ClientOutOfStep() = 0;
};
