// The command channel: every exchange with a machine is a numbered command carried in the value
// field of a vendor control request; the machine acknowledges, executes and offers replies
// through its status record. This class holds the primitives every machine operation is built
// from; the connection itself (device choice, transports) is CMachineController's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../transport/transport.h"
#include "clock.h"

struct MachineStatus {
  uint32_t stateWord;
  uint32_t handshakeWord;
};

class CCommandProtocol {
 public:
  CCommandProtocol(CTransport* transport, CClock& clock);

  // Connection operations, implemented by the controller.
  virtual int EnumerateDevices() = 0;
  virtual const char* GetDeviceName() = 0;
  virtual const char* GetDeviceNameAt(int index) = 0;
  virtual bool Connect(const std::string& name) = 0;
  virtual void Disconnect() = 0;
  virtual bool ConnectSimulator(int windowHandle) = 0;
  // As ConnectSimulator, to the simulator of that device name (several may run side by side).
  virtual bool ConnectSimulatorNamed(const std::string& deviceName, int windowHandle) = 0;
  virtual bool GetDeviceId(std::string& out) = 0;
  // Direct read of the device block (command 0x0100); words 0 and 1 converted when 8 or more
  // bytes arrive. Bytes read, or -1.
  virtual int ReadDeviceBlock(void* buffer, int size);
  virtual ~CCommandProtocol();

  CTransport* transport() const { return transport_; }
  bool swapBytes() const { return swapBytes_; }

  // Byte order of the connected machine, fixed by the protocol check.
  uint16_t Convert16(uint16_t value) const;
  uint32_t Convert32(uint32_t value) const;
  void Convert16(uint16_t* values, int count) const;
  void Convert32(uint32_t* values, int count) const;

  // Status and waits. A status that cannot be read is 0xFFFFFFFF in both words.
  MachineStatus ReadStatus();
  bool WaitAccepted();   // pending bit clear; 10000 ms
  bool WaitCompleted();  // executing bit clear; 3000 ms
  int WaitReply();       // reply size, or -1; 3000 ms

  // Primitives. Each that talks to the machine holds the transport lock for its exchange,
  // except DirectWrite and DirectWriteWords32.
  int ReadReply(void* buffer, int max);
  bool SendCommand(uint16_t code, const void* payload, int length);
  bool SendWords16(uint16_t code, const uint16_t* words, int count);
  bool SendWords32(uint16_t code, const uint32_t* words, int count);
  bool SendString(uint16_t code, const char* text);
  int Query(uint16_t code, void* buffer, int max);
  bool QueryExact(uint16_t code, void* buffer, int length);
  bool QueryWords16(uint16_t code, uint16_t* words, int count);
  bool QueryWords32(uint16_t code, uint32_t* words, int count);
  bool QueryString(uint16_t code, std::string& out);
  bool DirectWrite(uint16_t code, const void* payload, int length);
  bool DirectWriteWords32(uint16_t code, const uint32_t* words, int count);
  int DirectRead(uint16_t code, void* buffer, int length);

  // Bulk procedures, each under one lock for its whole length.
  bool ReadBulkText(uint16_t code, std::vector<char>& sink);
  bool DumpArea(int area, std::vector<uint8_t>& sink);
  bool UploadArea(const void* source, int length);

  // The 16-bit table (0x02C1 read, 0x02C2 write).
  bool ReadWordTable(uint16_t* buffer, int count);
  bool WriteWordTable(const uint16_t* data, int count);

  // Indexed strings 0x0101 + index, index 0..254; string 0 is the firmware version.
  bool QueryIndexedString(int index, std::string& out);

 protected:
  // Makes room for n outgoing bytes; false (nothing sent) when memory runs out.
  bool GrowScratch(int needed);

  CTransport* transport_;
  bool swapBytes_ = false;
  uint8_t* scratch_ = nullptr;
  int scratchSize_ = 0;
  CClock& clock_;

 private:
  CCommandProtocol(const CCommandProtocol&) = delete;
  CCommandProtocol& operator=(const CCommandProtocol&) = delete;

  // What a status poll made of one status: keep polling, or the wait's result.
  typedef int (*StatusOutcome)(const MachineStatus& status);
  int PollStatus(uint32_t limitMs, bool underCallersLock, StatusOutcome outcome);
  MachineStatus ReadStatusUnlocked();
  // The command without payload, then the acceptance wait; the caller holds the lock.
  bool StartTransfer(uint16_t code);
  int WordTableSize();
};
