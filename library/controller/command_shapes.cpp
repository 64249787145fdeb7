#include "command_shapes.h"

#include <cstring>
#include <vector>

namespace shapes {
bool Finish(CCommandProtocol& protocol, bool sent, Until until) {
  if (!sent) return false;
  return until == Until::Accepted || protocol.WaitCompleted();
}

int QueryWord(CCommandProtocol& protocol, uint16_t code) {
  int32_t value = 0;
  return QueryWords(protocol, code, &value, 1) ? value : -1;
}

bool QueryWords(CCommandProtocol& protocol, uint16_t code, int32_t* out, int count) {
  if (out == nullptr || count <= 0) return false;
  // Read into our own buffer: a short reply must not leave half a record with the caller.
  std::vector<uint32_t> words(static_cast<size_t>(count));
  if (!protocol.QueryWords32(code, words.data(), count)) return false;
  std::memcpy(out, words.data(), words.size() * sizeof(uint32_t));
  return true;
}

bool QueryVector(CCommandProtocol& protocol, uint16_t code, AxisVector* out) {
  return out != nullptr && QueryWords(protocol, code, out->value, 6);
}

bool QueryPair(CCommandProtocol& protocol, uint16_t code, int* a, int* b) {
  int32_t pair[2];
  if (a == nullptr || b == nullptr || !QueryWords(protocol, code, pair, 2)) return false;
  *a = pair[0];
  *b = pair[1];
  return true;
}

bool QueryHalfPair(CCommandProtocol& protocol, uint16_t code, int16_t* a, int16_t* b) {
  uint16_t pair[2];
  if (a == nullptr || b == nullptr || !protocol.QueryWords16(code, pair, 2)) return false;
  *a = static_cast<int16_t>(pair[0]);
  *b = static_cast<int16_t>(pair[1]);
  return true;
}

int QueryByte(CCommandProtocol& protocol, uint16_t code) {
  uint8_t value = 0;
  return protocol.QueryExact(code, &value, 1) ? value : -1;
}

bool QueryRaw(CCommandProtocol& protocol, uint16_t code, void* out, int length) {
  if (out == nullptr || length <= 0) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (!protocol.QueryExact(code, bytes.data(), length)) return false;
  std::memcpy(out, bytes.data(), bytes.size());
  return true;
}

bool QueryRecord16(CCommandProtocol& protocol, uint16_t code, DeviceRecord16* out) {
  DeviceRecord16 record;
  if (out == nullptr || !protocol.QueryExact(code, &record, sizeof record)) return false;
  record.a = protocol.Convert32(record.a);
  record.b = protocol.Convert32(record.b);
  record.c = protocol.Convert16(record.c);
  protocol.Convert16(record.d, 3);
  *out = record;
  return true;
}

bool QueryText(CCommandProtocol& protocol, uint16_t code, std::string& out) {
  return protocol.QueryString(code, out);
}

bool Command(CCommandProtocol& protocol, uint16_t code, Until until) {
  return Finish(protocol, protocol.SendCommand(code, nullptr, 0), until);
}

bool SendRaw(CCommandProtocol& protocol, uint16_t code, const void* bytes, int length,
             Until until) {
  if (bytes == nullptr) return false;
  return Finish(protocol, protocol.SendCommand(code, bytes, length), until);
}

bool SendWords(CCommandProtocol& protocol, uint16_t code, const int32_t* words, int count,
               Until until) {
  if (words == nullptr) return false;
  const bool sent =
      protocol.SendWords32(code, reinterpret_cast<const uint32_t*>(words), count);
  return Finish(protocol, sent, until);
}

bool SendWord(CCommandProtocol& protocol, uint16_t code, int32_t value, Until until) {
  return SendWords(protocol, code, &value, 1, until);
}

bool SendVector(CCommandProtocol& protocol, uint16_t code, const AxisVector* in, Until until) {
  return in != nullptr && SendWords(protocol, code, in->value, 6, until);
}

bool SendHalves(CCommandProtocol& protocol, uint16_t code, std::initializer_list<int> values) {
  std::vector<uint16_t> halves(values.begin(), values.end());
  return protocol.SendWords16(code, halves.data(), static_cast<int>(halves.size()));
}

bool SendBytes(CCommandProtocol& protocol, uint16_t code, std::initializer_list<uint8_t> bytes,
               Until until) {
  return SendRaw(protocol, code, bytes.begin(), static_cast<int>(bytes.size()), until);
}

bool SendText(CCommandProtocol& protocol, uint16_t code, const char* text, Until until) {
  if (text == nullptr) return false;
  return Finish(protocol, protocol.SendString(code, text), until);
}

uint8_t LowByte(int value) { return static_cast<uint8_t>(value & 0xFF); }

uint8_t ClampByte(int value) {
  if (value < 0) return 0;
  if (value > 255) return 255;
  return static_cast<uint8_t>(value);
}

uint8_t FlagByte(int value) { return LowByte(value) != 0 ? 1 : 0; }

}  // namespace shapes
