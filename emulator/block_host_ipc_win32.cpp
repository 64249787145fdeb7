// The emulator's side of the shared block's kernel objects, on Win32.
#include <windows.h>

#include "block_host_ipc.h"

namespace {

class CWin32BlockHostIpc : public CBlockHostIpc {
 public:
  OsHandle CreateMapping(const std::string& name, uint32_t size) override {
    return CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                              name.c_str());
  }
  uint8_t* MapView(OsHandle mapping) override {
    return static_cast<uint8_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  }
  void UnmapView(uint8_t* view) override { UnmapViewOfFile(view); }
  void CloseHandle(OsHandle handle) override { ::CloseHandle(handle); }

  OsHandle CreateNamedEvent(const char* name) override {
    return CreateEventA(nullptr, TRUE, FALSE, name);
  }
  void SetEvent(OsHandle event) override { ::SetEvent(event); }
  void ResetEvent(OsHandle event) override { ::ResetEvent(event); }
  int WaitAny(const OsHandle* events, int count, uint32_t timeoutMs) override {
    DWORD result = WaitForMultipleObjects(static_cast<DWORD>(count), events, FALSE, timeoutMs);
    if (result >= WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + static_cast<DWORD>(count)) {
      return static_cast<int>(result - WAIT_OBJECT_0);
    }
    return -1;
  }
};

}  // namespace

CBlockHostIpc& SystemBlockHostIpc() {
  static CWin32BlockHostIpc ipc;
  return ipc;
}
