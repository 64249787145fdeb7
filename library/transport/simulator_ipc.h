// The operating-system objects through which the library reaches a simulator process: the named
// file mapping that the simulator creates, the nine named events of the handshakes, and the
// device-change message. Behind a seam so that the link's framing is tested in-process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "transport.h"

class CSimulatorIpc {
 public:
  virtual ~CSimulatorIpc() {}

  // Opens the existing named mapping with full access, not inheritable; null on failure.
  virtual OsHandle OpenMapping(const std::string& name) = 0;
  // Maps the whole mapping with full access; null on failure. size receives the view's length
  // so that offsets read from the block can be checked before they are used.
  virtual uint8_t* MapView(OsHandle mapping, size_t* size) = 0;
  virtual void UnmapView(uint8_t* view) = 0;
  virtual void CloseHandle(OsHandle handle) = 0;

  // A manual-reset event, not signalled, under the name; the existing event when the simulator
  // created it first. Null on failure.
  virtual OsHandle CreateNamedEvent(const char* name) = 0;
  virtual void SetEvent(OsHandle event) = 0;
  virtual void ResetEvent(OsHandle event) = 0;
  // True when the event is signalled within timeoutMs.
  virtual bool WaitEvent(OsHandle event, uint32_t timeoutMs) = 0;

  // Posts WM_DEVICECHANGE (0x0219) with wParam DBT_DEVNODES_CHANGED (7) and lParam 0.
  virtual void PostDeviceChange(OsHandle window) = 0;
  // The application framework's main window; the library has none, so 0.
  virtual OsHandle MainWindow() = 0;

  // Millisecond tick count (it wraps around) and a pause of the calling thread: the time by
  // which a simulator that stops taking bulk data is given up.
  virtual uint32_t TickCount() = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

// The system's objects (the Win32 adapter), or, in the host build, a stand-in where every call
// fails, so that a link built there simply never connects.
CSimulatorIpc& SystemSimulatorIpc();
