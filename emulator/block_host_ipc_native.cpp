// The host build has no named kernel objects: a server built there never comes up.
#include "block_host_ipc.h"

namespace {

class CAbsentBlockHostIpc : public CBlockHostIpc {
 public:
  OsHandle CreateMapping(const std::string&, uint32_t) override { return nullptr; }
  uint8_t* MapView(OsHandle) override { return nullptr; }
  void UnmapView(uint8_t*) override {}
  void CloseHandle(OsHandle) override {}
  OsHandle CreateNamedEvent(const char*) override { return nullptr; }
  void SetEvent(OsHandle) override {}
  void ResetEvent(OsHandle) override {}
  int WaitAny(const OsHandle*, int, uint32_t) override { return -1; }
};

}  // namespace

CBlockHostIpc& SystemBlockHostIpc() {
  static CAbsentBlockHostIpc ipc;
  return ipc;
}
