// In-process named mappings and events shared by a link and a block server. It records every
// event set (with a copy of the block then), every wait and every device-change post.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "block_host_ipc.h"
#include "simulator_block.h"
#include "simulator_ipc.h"

class CFakeKernel : public CSimulatorIpc, public CBlockHostIpc {
 public:
  struct EventSet {
    std::string name;
    std::vector<uint8_t> block;  // the whole block as it was when the event was set
  };

  std::function<void()> onRequest;  // runs after each request event, on the setter's thread
  // Whether a wait on an unsignalled event really waits (threaded tests) or fails at once.
  bool realWaits = false;
  // Added to the steady clock's milliseconds, so a test can let time pass without waiting.
  uint32_t tickOffsetMs = 0;

  // Client side.
  OsHandle OpenMapping(const std::string& name) override;
  uint8_t* MapView(OsHandle mapping, size_t* size) override;
  bool WaitEvent(OsHandle event, uint32_t timeoutMs) override;
  void PostDeviceChange(OsHandle window) override;
  OsHandle MainWindow() override { return mainWindow; }
  uint32_t TickCount() override;
  void Sleep(uint32_t ms) override;

  // Server side.
  OsHandle CreateMapping(const std::string& name, uint32_t size) override;
  uint8_t* MapView(OsHandle mapping) override;
  int WaitAny(const OsHandle* events, int count, uint32_t timeoutMs) override;

  // Both.
  void UnmapView(uint8_t* view) override;
  void CloseHandle(OsHandle handle) override;
  OsHandle CreateNamedEvent(const char* name) override;
  void SetEvent(OsHandle event) override;
  void ResetEvent(OsHandle event) override;

  std::vector<uint8_t>& AddMapping(const std::string& name, size_t size);
  std::vector<uint8_t>* Mapping(const std::string& name);
  bool IsSignalled(simblock::Event event);
  std::vector<std::string> SetNames();  // names of the events set, in order
  std::vector<EventSet> EventSetsNamed(simblock::Event event);

  OsHandle mainWindow = nullptr;
  std::vector<OsHandle> posts;
  std::vector<uint32_t> waitTimeouts;
  std::vector<EventSet> eventSets;
  int openViews = 0;
  int openHandles = 0;

 private:
  struct EventObject {
    std::string name;
    bool signalled = false;
  };
  struct MappingObject {
    std::string name;
    std::vector<uint8_t> bytes;
  };

  EventObject* FindEvent(const std::string& name);
  MappingObject* FindMapping(const std::string& name);
  bool IsRequest(const std::string& name) const;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::unique_ptr<EventObject>> events_;
  std::vector<std::unique_ptr<MappingObject>> mappings_;
};
