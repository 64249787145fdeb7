// What the machine knows about each command number: how the host sends it, how long its payload
// must be, and how long its reply is. Commands missing here are unknown to the machine.
#pragma once

#include <cstdint>

enum class CommandShape {
  kQuery,         // no payload; the reply is offered through the status and read by 0x0003
  kCommand,       // payload, acceptance only
  kCommandDone,   // payload, acceptance, then a short execution
  kDirectRead,    // answered in the control IN transfer itself
  kDirectWrite,   // taken at once: no acceptance, no execution
  kBulkText,      // accepted, then the text follows on the bulk IN pipe
  kBulkDump,      // accepted, then a parameter area follows on the bulk IN pipe
  kBulkUpload,    // accepted, then a parameter area arrives on the bulk OUT pipe
};

// Reply lengths that are not a fixed number of bytes.
constexpr int kReplyString = -1;     // the text and its zero byte
constexpr int kReplyWordTable = -2;  // the 16-bit table, two bytes a word

struct CommandEntry {
  uint16_t first;
  uint16_t last;
  CommandShape shape;
  int payloadMin;  // bytes
  int payloadMax;
  int replyLength;  // queries and direct reads: bytes, or one of the kReply values
};

// The entry that covers the code, or null for a command the machine does not know.
const CommandEntry* FindCommand(uint16_t code);

bool IsQueryShape(CommandShape shape);
bool IsAcceptedShape(CommandShape shape);  // goes through the pending bit
