// The "Status" box of the main window: machine identity, status text and cover field, and the
// connected flag that the status can clear.
#pragma once

#include <cstdint>
#include <string>

#include "tick_reads.h"

class CHVXController;

struct StatusTexts {
  std::string deviceName = "---";  // static 1084
  std::string serial;              // edit 1086
  std::string status;              // edit 1087
  std::string firmware;            // edit 1088
  std::string usbId;               // edit 1005
  std::string cover = "---";       // static 1082
};

class CStatusBox {
 public:
  // Texts shown before the first tick: the status reads "Offline"; when connected the identity
  // is read, and a field whose read fails stays empty.
  void ShowStartUp(CHVXController* controller, bool connected);

  // Reads the status and identity, each only while `reads` lets it go out. A null controller
  // counts as no connection. Clears `connected` when the machine reports itself off line.
  // True when the status was read.
  bool RefreshStatus(CHVXController* controller, bool& connected, CTickReads& reads);
  // The same as a read of its own, outside any tick.
  bool RefreshStatus(CHVXController* controller, bool& connected) {
    CTickReads reads;
    return RefreshStatus(controller, connected, reads);
  }

  const StatusTexts& Texts() const { return m_texts; }

 private:
  void ShowOffLine();
  void ApplyState(uint32_t stateWord, uint32_t handshakeWord, bool& connected);
  void ApplyCover(uint32_t stateWord);
  void ReadIdentity(CHVXController& controller, const char* failedText, CTickReads& reads);

  StatusTexts m_texts;
};

// "0102" is shown as "1.02": the leading character is dropped and a point follows the next one.
// A text too short for that is shown as read.
std::string FormatFirmwareVersion(const std::string& text);

// The text of a machine state, or null when the state keeps the previous text.
const char* StatusTextFor(uint32_t stateWord, uint32_t handshakeWord);
