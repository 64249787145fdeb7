// The host build has no simulator to reach: every object fails to open, so a link built there
// never connects and never waits.
#include "simulator_ipc.h"

namespace {

class CAbsentSimulatorIpc : public CSimulatorIpc {
 public:
  OsHandle OpenMapping(const std::string&) override { return nullptr; }
  uint8_t* MapView(OsHandle, size_t*) override { return nullptr; }
  void UnmapView(uint8_t*) override {}
  void CloseHandle(OsHandle) override {}
  OsHandle CreateNamedEvent(const char*) override { return nullptr; }
  void SetEvent(OsHandle) override {}
  void ResetEvent(OsHandle) override {}
  bool WaitEvent(OsHandle, uint32_t) override { return false; }
  void PostDeviceChange(OsHandle) override {}
  OsHandle MainWindow() override { return nullptr; }
  uint32_t TickCount() override { return 0; }
  void Sleep(uint32_t) override {}
};

}  // namespace

CSimulatorIpc& SystemSimulatorIpc() {
  static CAbsentSimulatorIpc ipc;
  return ipc;
}
