// The switches that belong to the shared-block server rather than to the machine: whether the
// device is announced as present, and how the server answers the handshakes.
#pragma once

// Faults of the server's handshakes, so that a client's time-outs and its bulk-write bound can
// be driven on purpose.
struct ServerFaults {
  bool noAcknowledge = false;    // requests are taken but never acknowledged
  bool lateAcknowledge = false;  // the next request is acknowledged late, then this clears
  bool bulkOutHeld = false;      // the bulk OUT not-ready bit stays set
};

class CServerSwitches {
 public:
  virtual ~CServerSwitches() {}
  virtual void SetPresent(bool present) = 0;
  virtual void SetFaults(const ServerFaults& faults) = 0;
  virtual bool present() const = 0;
  virtual ServerFaults faults() const = 0;
};
