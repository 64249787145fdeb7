// The initial lists of a dialog's combo boxes, stored beside its template as a resource of type
// 240 with the dialog's id: records of (control id, message, byte count, text with its NUL),
// ended by a zero control id. Portable; the dialog fills its combo boxes from the parsed records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DialogInitEntry {
  int controlId;
  unsigned message;  // the add-string message of the record, as stored
  std::string text;
};

// The entries in stored order. A truncated record ends the parse; the entries before it stay.
std::vector<DialogInitEntry> ParseDialogInit(const uint8_t* data, size_t size);

// True when the record adds a string to a combo box (either the 16-bit or the 32-bit message).
bool IsComboAddString(unsigned message);
