// The Sub page's calibration group: the mode rule (Auto opens the test-cut box, Manual edits the
// three user compensation values as percentages) and the manual Set.
#pragma once

#include "../../seams/window_seams.h"
#include "../common/page_machine.h"

struct CompensationPercents {
  double x = 100.0;
  double y = 100.0;
  double z = 100.0;
};

// Which controls of the group the engineer may use in the chosen mode.
struct CalibrationModeView {
  bool autoStartEnabled;  // 1093 "Start"
  bool manualEnabled;     // the three fields and 1133 "Set"
};

class CManualCompensation {
 public:
  CManualCompensation(CPageMachine& machine, ILogSink& log) : machine_(machine), log_(log) {}

  // In Manual mode the values are read from the machine into the held percentages; a failed
  // read keeps the percentages held before.
  CalibrationModeView ApplyMode(bool isAuto);

  // After the calibration box closed: the values it stored (or put back) replace the held
  // percentages, so the fields never show a compensation the machine no longer has. A failed
  // read keeps the percentages held before.
  void Refresh() { ReadFromMachine(); }

  // Sends the entered percentages. entryAccepted is the verdict of the field validation: values
  // the engineer was just told are invalid are not sent. True when the machine took them.
  bool Set(const CompensationPercents& entered, bool entryAccepted);

  CompensationPercents& Percents() { return percents_; }

 private:
  // False when the values could not be read.
  bool ReadFromMachine();

  CPageMachine& machine_;
  ILogSink& log_;
  CompensationPercents percents_;
};

// The range the fields accept, in percent.
constexpr double kCompensationMinPercent = 99.5;
constexpr double kCompensationMaxPercent = 100.5;
