// Holds the cross-process lock of the transport in use for one command exchange.
#pragma once

#include <cstdint>

#include "../transport/transport.h"

class TransportLock {
 public:
  // Another process may hold the machine for a whole bulk transfer; 10 s covers that and still
  // lets a dead peer be noticed.
  static constexpr uint32_t kTimeoutMs = 10000;

  explicit TransportLock(CTransport* transport)
      : transport_(transport), locked_(transport->Lock(kTimeoutMs)) {}
  ~TransportLock() {
    if (locked_) transport_->Unlock();
  }
  bool locked() const { return locked_; }

 private:
  TransportLock(const TransportLock&) = delete;
  TransportLock& operator=(const TransportLock&) = delete;

  CTransport* transport_;
  bool locked_;
};
