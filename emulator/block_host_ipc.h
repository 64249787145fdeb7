// The operating-system objects on the emulator's side of the shared block: it creates the named
// mapping and the nine events and waits on the requests. Behind a seam so that the server is
// tested in-process against the library's link.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "../library/api/hvx40_facts.h"  // OsHandle

class CBlockHostIpc {
 public:
  virtual ~CBlockHostIpc() {}

  // Creates the named mapping of at least size bytes; null on failure. A mapping that still
  // exists (a client kept its view after an earlier server ended) is taken over, so that the
  // client sees the new server in the block it already has.
  virtual OsHandle CreateMapping(const std::string& name, uint32_t size) = 0;
  // Maps the whole mapping with full access; null on failure.
  virtual uint8_t* MapView(OsHandle mapping) = 0;
  virtual void UnmapView(uint8_t* view) = 0;
  virtual void CloseHandle(OsHandle handle) = 0;

  // A manual-reset event, not signalled, under the name (the existing one if a client created
  // it first). Null on failure.
  virtual OsHandle CreateNamedEvent(const char* name) = 0;
  virtual void SetEvent(OsHandle event) = 0;
  virtual void ResetEvent(OsHandle event) = 0;
  // The position of a signalled event among the count given (the first when several are), or
  // -1 when none is signalled within timeoutMs.
  virtual int WaitAny(const OsHandle* events, int count, uint32_t timeoutMs) = 0;
};

// The system's objects (the Win32 adapter), or, in the host build, a stand-in where every call
// fails.
CBlockHostIpc& SystemBlockHostIpc();
