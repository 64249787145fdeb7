// A scripted machine behind the CTransport interface, a clock that only moves when slept on,
// and a command channel over them whose byte order a test chooses.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "command_protocol.h"
#include "transport.h"

using Bytes = std::vector<uint8_t>;

// One field of a payload or reply: width in bytes (1, 2 or 4; 1 never swaps) and value.
struct Field {
  int width;
  uint32_t value;
};
using Fields = std::vector<Field>;

Bytes Encode(const Fields& fields, bool bigEndian);
Fields Words(std::initializer_list<int64_t> values);
Fields Halves(std::initializer_list<int64_t> values);
Fields RawBytes(std::initializer_list<uint8_t> values);
Fields Join(const Fields& first, const Fields& second);

class CFakeClock : public CClock {
 public:
  // Every look moves time on, so a loop that never sleeps still reaches its limit.
  uint32_t TickCount() override { return ++now; }
  void Sleep(uint32_t ms) override { now += ms; }
  uint32_t now = 1000;
};

class CFakeMachine : public CTransport {
 public:
  struct Write {
    uint16_t code;
    Bytes data;
    bool locked;  // whether the exchange held the cross-process lock
  };

  bool bigEndian = false;
  // False: no device, so neither the lock nor any transfer succeeds.
  bool connected = true;
  // The machine never finishes executing: completion waits time out, acceptance does not.
  bool neverFinishes = false;
  // The machine never accepts: the pending bit stays set and acceptance waits time out.
  bool neverAccepts = false;
  uint32_t stateWord = 2;

  std::map<uint16_t, Bytes> replies;      // offered after a write of the code
  std::map<uint16_t, Bytes> directReads;  // answers of direct reads, by code
  std::deque<Bytes> bulkIn;

  std::vector<Write> writes;
  std::vector<Write> reads;  // every control read but the status, without data
  std::vector<Bytes> bulkOut;
  std::string sentFilePath;
  std::string sentJobName;
  bool sendFileResult = true;
  int fileSends = 0;
  int statusReads = 0;
  int lockDepth = 0;

  bool Open() override { return connected; }
  bool Close() override { return true; }
  bool CheckConnection() override { return connected; }
  bool EnsureOpen() override { return connected; }
  bool SendFile(CFileSource& file, const char* documentName) override;
  bool VendorWrite(uint16_t value, const void* data, uint16_t length) override;
  int32_t VendorRead(uint16_t value, void* buffer, uint16_t length) override;
  bool BulkWrite(const void* data, uint32_t length) override;
  int32_t BulkRead(void* buffer, uint32_t length) override;
  const char* GetDeviceName() override { return "HVX-40 on USB001"; }
  bool Lock(uint32_t timeoutMs) override;
  int Unlock() override;

  std::vector<uint16_t> WrittenCodes() const;

 private:
  Bytes StatusBytes() const;
  int32_t Answer(const Bytes& bytes, void* buffer, uint16_t length);
  Bytes offered_;
};

// The command channel over the fake machine; the connection operations only record.
class CTestProtocol : public CCommandProtocol {
 public:
  CTestProtocol(CFakeMachine& machine, CFakeClock& clock) : CCommandProtocol(&machine, clock) {}

  void UseMachineOrder(bool swap) { swapBytes_ = swap; }

  int EnumerateDevices() override { return 0; }
  const char* GetDeviceName() override { return deviceName.c_str(); }
  const char* GetDeviceNameAt(int) override { return nullptr; }
  bool Connect(const std::string& name) override {
    connectedTo.push_back(name);
    return connectResult;
  }
  void Disconnect() override { ++disconnects; }
  bool ConnectSimulator(int windowHandle) override {
    simulatorWindows.push_back(windowHandle);
    return true;
  }
  bool ConnectSimulatorNamed(const std::string& deviceName, int windowHandle) override {
    simulatorNames.push_back(deviceName);
    return ConnectSimulator(windowHandle);
  }
  bool GetDeviceId(std::string& out) override {
    out = deviceId;
    return deviceIdReadable;
  }

  std::string deviceName = "HVX-40 on USB001";
  bool connectResult = true;
  std::vector<std::string> connectedTo;
  int disconnects = 0;
  std::vector<int> simulatorWindows;
  std::vector<std::string> simulatorNames;
  std::string deviceId = "MFG:Varnel;MDL:HVX-40;";
  bool deviceIdReadable = true;
};
