// The library's side of the simulator's kernel objects, on Win32.
#include <windows.h>

#include "simulator_ipc.h"

namespace {

class CWin32SimulatorIpc : public CSimulatorIpc {
 public:
  OsHandle OpenMapping(const std::string& name) override {
    return OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
  }

  uint8_t* MapView(OsHandle mapping, size_t* size) override {
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0);
    if (!view) return nullptr;
    MEMORY_BASIC_INFORMATION info;
    *size = VirtualQuery(view, &info, sizeof info) ? info.RegionSize : 0;
    return static_cast<uint8_t*>(view);
  }

  void UnmapView(uint8_t* view) override { UnmapViewOfFile(view); }
  void CloseHandle(OsHandle handle) override { ::CloseHandle(handle); }

  OsHandle CreateNamedEvent(const char* name) override {
    return CreateEventA(nullptr, TRUE, FALSE, name);
  }
  void SetEvent(OsHandle event) override { ::SetEvent(event); }
  void ResetEvent(OsHandle event) override { ::ResetEvent(event); }
  bool WaitEvent(OsHandle event, uint32_t timeoutMs) override {
    return WaitForSingleObject(event, timeoutMs) == WAIT_OBJECT_0;
  }

  void PostDeviceChange(OsHandle window) override {
    // Without a window the message would land in the calling thread's own queue, where nobody
    // expects it.
    if (window) PostMessageA(static_cast<HWND>(window), WM_DEVICECHANGE, 7, 0);
  }

  OsHandle MainWindow() override { return nullptr; }

  uint32_t TickCount() override { return GetTickCount(); }
  void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

}  // namespace

CSimulatorIpc& SystemSimulatorIpc() {
  static CWin32SimulatorIpc ipc;
  return ipc;
}
