// The switches that belong to the shared-block server rather than to the machine: whether the
// device is announced as present, and whether requests are acknowledged at all.
#pragma once

class CServerSwitches {
 public:
  virtual ~CServerSwitches() {}
  virtual void SetPresent(bool present) = 0;
  virtual void SetNoAcknowledge(bool on) = 0;
  virtual bool present() const = 0;
  virtual bool noAcknowledge() const = 0;
};
