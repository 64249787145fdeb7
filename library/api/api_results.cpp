#include "api_results.h"

#include <cstring>

#include "hvx40_types.h"

namespace api {

int StringOut(bool obtained, const std::string& text, char* buffer, int size) {
  if (!obtained) return -1;
  // c_str() supplies the terminator, so the copy is one byte longer than the text.
  return BlockOut(true, text.c_str(), static_cast<int>(text.size()) + 1, buffer, size);
}

int BlockOut(bool obtained, const void* data, int length, void* buffer, int size) {
  if (!obtained || length < 0) return -1;
  if (buffer == nullptr) return length;
  if (size < length) return -1;
  if (length > 0) std::memcpy(buffer, data, static_cast<size_t>(length));
  return length;
}

int StatusOut(CCommandProtocol& protocol, uint32_t* stateWord, uint32_t* handshakeWord) {
  const MachineStatus status = protocol.ReadStatus();
  if (stateWord != nullptr) *stateWord = status.stateWord;
  if (handshakeWord != nullptr) *handshakeWord = status.handshakeWord;
  return OneZero(status.stateWord != kStatusNotRead && status.handshakeWord != kStatusNotRead);
}

}  // namespace api
