// The server's switches as the control channel sees them, kept beside the block server so that
// the window can show them.
#pragma once

#include <atomic>

#include "block_server.h"
#include "server_switches.h"

class CBlockServerSwitches : public CServerSwitches {
 public:
  explicit CBlockServerSwitches(CBlockServer& server) : server_(server) {}
  void SetPresent(bool present) override {
    present_ = present;
    server_.SetPresent(present);
  }
  void SetNoAcknowledge(bool on) override {
    noAcknowledge_ = on;
    server_.SetNoAcknowledge(on);
  }
  bool present() const override { return present_; }
  bool noAcknowledge() const override { return noAcknowledge_; }

 private:
  CBlockServer& server_;
  std::atomic<bool> present_{true};
  std::atomic<bool> noAcknowledge_{false};
};
