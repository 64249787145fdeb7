// The emulator's side of the shared block: it creates the block and the nine events, announces
// the device, and turns the handshakes of a client into calls on the emulated machine.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "machine_endpoint.h"
#include "server_switches.h"
#include "simulator_block.h"
#include "transport.h"

class CBlockHostIpc;

class CBlockServer {
 public:
  CBlockServer();                             // the system's named objects
  explicit CBlockServer(CBlockHostIpc& ipc);  // tests
  ~CBlockServer();

  // Creates "IPC Memory for <deviceName>" and the nine events and sets the device-present bit;
  // false on failure (nothing is left open then).
  bool Create(const std::string& deviceName);
  // The device-present bit: a client refuses to connect, and fails every transfer, while it is
  // clear. Safe to call from another thread than the one serving.
  void SetPresent(bool present);
  bool present() const { return present_; }
  // No acknowledge: requests are taken but never acknowledged, so that clients run into their
  // time-out. Late acknowledge: the next request is served but acknowledged only after
  // kLateAcknowledgeMs, past the client's time-out; then the switch clears itself. Bulk OUT
  // held: the not-ready bit stays set whatever the machine could take. Safe from another thread.
  void SetFaults(const ServerFaults& faults);
  ServerFaults faults() const;
  static constexpr uint32_t kLateAcknowledgeMs = 600;
  // Waits up to waitMs for one request (or the disconnect event) and handles it; false when
  // nothing arrived in time or the server is not created.
  bool ServeOnce(CMachineEndpoint& machine, uint32_t waitMs);
  void Close();

 private:
  CBlockServer(const CBlockServer&) = delete;
  CBlockServer& operator=(const CBlockServer&) = delete;

  // One control transfer in progress, from its setup packet to its status stage.
  struct ControlTransfer {
    bool active = false;
    uint8_t requestType = 0;
    uint8_t request = 0;
    uint16_t value = 0;
    uint16_t length = 0;
    std::vector<uint8_t> data;  // OUT: received so far; IN: the machine's whole answer
    size_t sent = 0;            // IN: bytes already placed in the pipe
  };

  void HandleRequest(simblock::Event request, CMachineEndpoint& machine);
  void ServeControl(CMachineEndpoint& machine);
  void BeginControlTransfer(CMachineEndpoint& machine);
  void ServeControlOut(CMachineEndpoint& machine);
  void ServeControlIn();
  void ServeBulkOut(CMachineEndpoint& machine);
  void ServeBulkIn(CMachineEndpoint& machine);
  void ServeOutputFile(CMachineEndpoint& machine);
  void UpdateBulkOutReady(CMachineEndpoint& machine);
  void Acknowledge(simblock::Event acknowledge);
  uint8_t* Pipe(size_t offset) const;

  CBlockHostIpc& ipc_;
  OsHandle mapping_ = nullptr;
  uint8_t* view_ = nullptr;
  OsHandle events_[simblock::kEventCount] = {};
  std::atomic<bool> noAcknowledge_{false};
  std::atomic<bool> lateAcknowledge_{false};
  std::atomic<bool> bulkOutHeld_{false};
  std::atomic<bool> present_{true};
  ControlTransfer control_;
};
