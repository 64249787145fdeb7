// The server's switches as the control channel sees them, kept beside the block server so that
// the window can show them.
#pragma once

#include "block_server.h"
#include "server_switches.h"

class CBlockServerSwitches : public CServerSwitches {
 public:
  explicit CBlockServerSwitches(CBlockServer& server) : server_(server) {}
  void SetPresent(bool present) override { server_.SetPresent(present); }
  void SetFaults(const ServerFaults& faults) override { server_.SetFaults(faults); }
  bool present() const override { return server_.present(); }
  // The late acknowledge clears itself once served, so the server is asked each time.
  ServerFaults faults() const override { return server_.faults(); }

 private:
  CBlockServer& server_;
};
