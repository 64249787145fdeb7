// Holds the cross-process lock of the transport in use for one command exchange.
#pragma once

#include <cstdint>

#include "../transport/transport.h"

class TransportLock {
 public:
  explicit TransportLock(CTransport* transport)
      : transport_(transport), locked_(transport->Lock(kLockWaitMs)) {}
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
