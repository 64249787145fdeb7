// The shapes that every machine command takes: a query for words, bytes or a record, a command
// carrying words, halves or bytes that returns once the machine accepted it or once it also
// finished. Each catalogue entry is one of these with its command number.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "../api/hvx40_types.h"
#include "command_protocol.h"

namespace shapes {

// How long a command waits: until the machine accepted it, or also until it finished executing.
enum class Until { Accepted, Completed };

// Completion is awaited only after the command's lock was released, so that other clients may
// interleave their commands with our polls.
bool Finish(CCommandProtocol& protocol, bool sent, Until until);

// Queries. Outputs are written only when the whole reply arrived.
int QueryWord(CCommandProtocol& protocol, uint16_t code);  // value, or -1
bool QueryWords(CCommandProtocol& protocol, uint16_t code, int32_t* out, int count);
bool QueryVector(CCommandProtocol& protocol, uint16_t code, AxisVector* out);
bool QueryPair(CCommandProtocol& protocol, uint16_t code, int* a, int* b);
bool QueryHalfPair(CCommandProtocol& protocol, uint16_t code, int16_t* a, int16_t* b);
int QueryByte(CCommandProtocol& protocol, uint16_t code);  // 0..255, or -1
bool QueryRaw(CCommandProtocol& protocol, uint16_t code, void* out, int length);
bool QueryRecord16(CCommandProtocol& protocol, uint16_t code, DeviceRecord16* out);
bool QueryText(CCommandProtocol& protocol, uint16_t code, std::string& out);

// Commands.
bool Command(CCommandProtocol& protocol, uint16_t code, Until until);
bool SendRaw(CCommandProtocol& protocol, uint16_t code, const void* bytes, int length,
             Until until);
bool SendWords(CCommandProtocol& protocol, uint16_t code, const int32_t* words, int count,
               Until until);
bool SendWord(CCommandProtocol& protocol, uint16_t code, int32_t value, Until until);
bool SendVector(CCommandProtocol& protocol, uint16_t code, const AxisVector* in, Until until);
bool SendHalves(CCommandProtocol& protocol, uint16_t code, std::initializer_list<int> values);
bool SendBytes(CCommandProtocol& protocol, uint16_t code, std::initializer_list<uint8_t> bytes,
               Until until);
bool SendText(CCommandProtocol& protocol, uint16_t code, const char* text, Until until);

// Byte arguments: the low byte as it stands, clamped to 0..255, or a 0/1 flag from the low
// byte.
uint8_t LowByte(int value);
uint8_t ClampByte(int value);
uint8_t FlagByte(int value);

}  // namespace shapes
