// Devices, named mutexes and a spooler that record what reached them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "usb_system.h"

inline OsHandle FakeHandle(intptr_t n) { return reinterpret_cast<OsHandle>(n); }

class CFakeUsbSystem : public CUsbSystem {
 public:
  static constexpr uint32_t kQueryDeviceId = 0x0016000C;
  static constexpr uint32_t kVendorSet = 0x00220038;
  static constexpr uint32_t kVendorGet = 0x0022003C;

  struct Ioctl {
    OsHandle device;
    uint32_t code;
    std::vector<uint8_t> input;
    uint32_t outputSize;
  };

  OsHandle CreateNamedMutex(const std::string& name) override {
    mutexNames.push_back(name);
    if (mutexCreationFails) return nullptr;
    OsHandle mutex = NewHandle();
    mutexes[mutex] = name;
    return mutex;
  }
  MutexWait WaitMutex(OsHandle mutex, uint32_t timeoutMs) override {
    waits.push_back({mutexes[mutex], timeoutMs});
    if (waitResults.empty()) return MutexWait::kAcquired;
    const MutexWait result = waitResults.front();
    waitResults.pop_front();
    return result;
  }
  bool ReleaseNamedMutex(OsHandle mutex) override {
    releases.push_back(mutexes[mutex]);
    return releaseWorks;
  }
  bool CloseOsHandle(OsHandle handle) override {
    closed.push_back(handle);
    return true;
  }

  OsHandle OpenDeviceFile(const std::string& path, bool overlapped) override {
    opened.push_back(path);
    openedOverlapped.push_back(overlapped);
    if (unopenablePaths.count(path)) return kInvalidDeviceHandle;
    OsHandle device = NewHandle();
    devices[device] = path;
    return device;
  }
  bool DeviceControl(OsHandle device, uint32_t code, const void* input, uint32_t inputSize,
                     void* output, uint32_t outputSize, uint32_t* returned) override {
    const uint8_t* in = static_cast<const uint8_t*>(input);
    ioctls.push_back({device, code, std::vector<uint8_t>(in, in + inputSize), outputSize});
    *returned = 0;
    if (ioctlFails) return false;
    std::vector<uint8_t> answer;
    if (code == kQueryDeviceId) answer.assign(deviceId.begin(), deviceId.end());
    if (code == kVendorGet) answer = vendorAnswers[static_cast<uint16_t>(in[1] << 8 | in[2])];
    // A misbehaving driver may claim more than the buffer held; the copy never does.
    const uint32_t copied = std::min<uint32_t>(outputSize, answer.size());
    if (copied) std::memcpy(output, answer.data(), copied);
    *returned = claimedExtra + copied;
    return true;
  }
  DeviceIo WriteDevice(OsHandle, const void* data, uint32_t length, uint32_t* transferred,
                       void* overlapped) override {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    bulkWrites.emplace_back(bytes, bytes + length);
    bulkOverlapped.push_back(overlapped);
    *transferred = std::min(length, bulkTakesAtMost);
    return bulkWriteResult;
  }
  DeviceIo ReadDevice(OsHandle, void* buffer, uint32_t length, uint32_t* transferred,
                      void* overlapped) override {
    bulkReadLengths.push_back(length);
    bulkOverlapped.push_back(overlapped);
    *transferred = 0;
    if (bulkReadResult != DeviceIo::kDone) return bulkReadResult;
    const uint32_t n = std::min<uint32_t>(length, bulkIn.size());
    if (n) std::memcpy(buffer, bulkIn.data(), n);
    *transferred = n;
    return DeviceIo::kDone;
  }

  QueueList ListLocalQueues(std::vector<PrinterQueue>& out) override {
    out = queues;
    return listResult;
  }
  OsHandle OpenQueue(const std::string& name) override {
    return Spool("open " + name) && !queueOpenFails ? FakeHandle(7000) : nullptr;
  }
  bool StartRawDoc(OsHandle, const std::string& name) override {
    return Spool("doc " + name) && !startDocFails;
  }
  bool StartPage(OsHandle) override { return Spool("page"); }
  bool WriteQueue(OsHandle, const void* data, uint32_t length, uint32_t* written) override {
    spooler.push_back("write " + std::to_string(length));
    *written = 0;
    if (static_cast<int>(jobWrites++) == failWriteNumber) return false;
    const uint32_t taken = std::min(length, spoolerTakesAtMost);
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    job.insert(job.end(), bytes, bytes + taken);
    *written = taken;
    return true;
  }
  bool EndPage(OsHandle) override { return Spool("endpage"); }
  bool EndDoc(OsHandle) override { return Spool("enddoc"); }
  bool CloseQueue(OsHandle) override { return Spool("close"); }
  bool Spool(const std::string& call) {
    spooler.push_back(call);
    return true;
  }

  bool FindDevicePath(const std::string& printerName, std::string& path) override {
    lookedUp.push_back(printerName);
    auto found = paths.find(printerName);
    if (found == paths.end()) return false;
    path = found->second;
    return true;
  }

  OsHandle NewHandle() { return FakeHandle(nextHandle++); }
  bool WasClosed(OsHandle handle) const {
    return std::find(closed.begin(), closed.end(), handle) != closed.end();
  }

  // Mutexes.
  bool mutexCreationFails = false;
  std::deque<MutexWait> waitResults;  // then kAcquired
  std::map<OsHandle, std::string> mutexes;
  std::vector<std::string> mutexNames;
  std::vector<std::pair<std::string, uint32_t>> waits;
  std::vector<std::string> releases;
  bool releaseWorks = true;
  std::vector<OsHandle> closed;
  // Devices.
  std::map<std::string, std::string> paths;  // printer name -> device path
  std::vector<std::string> lookedUp;
  std::set<std::string> unopenablePaths;
  std::map<OsHandle, std::string> devices;
  std::vector<std::string> opened;
  std::vector<bool> openedOverlapped;
  std::vector<Ioctl> ioctls;
  bool ioctlFails = false;
  uint32_t claimedExtra = 0;
  std::string deviceId;
  std::map<uint16_t, std::vector<uint8_t>> vendorAnswers;
  std::vector<std::vector<uint8_t>> bulkWrites;
  std::vector<void*> bulkOverlapped;
  DeviceIo bulkWriteResult = DeviceIo::kDone;
  uint32_t bulkTakesAtMost = 0xFFFFFFFF;  // the driver's count of a write that took less
  std::vector<uint32_t> bulkReadLengths;
  std::vector<uint8_t> bulkIn;
  DeviceIo bulkReadResult = DeviceIo::kDone;
  QueueList listResult = QueueList::kListed;
  std::vector<PrinterQueue> queues;
  bool queueOpenFails = false;
  bool startDocFails = false;
  std::vector<std::string> spooler;
  std::vector<uint8_t> job;
  uint32_t spoolerTakesAtMost = 0xFFFFFFFFu;
  int failWriteNumber = -1;
  uint32_t jobWrites = 0;

 private:
  intptr_t nextHandle = 100;
};
