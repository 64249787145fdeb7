// The per-tick readouts of the main window: limit sensors, axis positions and spindle speed.
#pragma once

#include <cstdint>
#include <string>

#include "tick_reads.h"

class CHVXController;

struct ReadoutTexts {
  std::string xLimit = "---";  // static 1074
  std::string yLimit = "---";  // static 1075
  std::string zLimit = "---";  // static 1076
  std::string x;               // edit 1002
  std::string y;               // edit 1003
  std::string z;               // edit 1004
  std::string a;               // hidden edit 1007
  std::string spindleSpeed;    // edit 1009
  std::string spindleCurrent;  // hidden edit 1069, written only when the spindle stands
};

class CMachineReadout {
 public:
  // Reads the input word, the position and the spindle speed, in that order, each only while
  // `reads` lets it go out; what is not read shows "---".
  void Refresh(CHVXController& controller, CTickReads& reads);
  // The same as a read of its own, outside any tick.
  void Refresh(CHVXController& controller) {
    CTickReads reads;
    Refresh(controller, reads);
  }
  // Without a controller wrapper nothing can be read; old values must not stay on show.
  void ShowNothingRead();
  const ReadoutTexts& Texts() const { return m_texts; }

 private:
  void ShowSensors(int inputWord);
  void ShowPosition(CHVXController& controller, CTickReads& reads);
  void ShowSpindleSpeed(int rpm);

  ReadoutTexts m_texts;
};

// Micrometres as millimetres with two decimals, cut toward zero and not rounded: 12349 shows
// "12.34", -12349 shows "-12.34", -5 shows "-0.00".
std::string FormatPosition(int32_t micrometres);
