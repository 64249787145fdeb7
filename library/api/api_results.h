// The result conventions of the API tables, shared by every slot so that each slot stays a
// single mapping onto the command layer.
#pragma once

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "../controller/command_protocol.h"
#include "../controller/out_of_memory.h"

namespace api {

// 1 on success, 0 on failure.
inline int OneZero(bool ok) { return ok ? 1 : 0; }

// Copies a text with its terminator into the caller's buffer. Null buffer: the size needed
// (length + 1). Buffer smaller than that: -1, nothing written. Failed read: -1.
int StringOut(bool obtained, const std::string& text, char* buffer, int size);

// The same for binary data of a known length.
int BlockOut(bool obtained, const void* data, int length, void* buffer, int size);
template <typename Byte>
int BlockOut(bool obtained, const std::vector<Byte>& data, void* buffer, int size) {
  return BlockOut(obtained, data.data(), static_cast<int>(data.size()), buffer, size);
}

// Runs a read that builds a block or text of the machine's size. Memory running out on the
// way must not cross the library boundary: the user is told with the standard box and the
// read fails with -1.
template <typename Read>
int GuardAllocation(Read read) {
  try {
    return read();
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
    return -1;
  }
}

// Reads the machine status into both outputs (0xFFFFFFFF each when it could not be read);
// 1 only when neither word is 0xFFFFFFFF.
int StatusOut(CCommandProtocol& protocol, uint32_t* stateWord, uint32_t* handshakeWord);

}  // namespace api
