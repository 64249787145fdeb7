// Parameter "Clear All" and "Clear User": the machine's parameters, or only those the user can
// adjust, put back to their factory values. Both take effect when the machine restarts.
#pragma once

#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"

class CParameterClear {
 public:
  CParameterClear(ControllerSource source, IPageBoxes& boxes, ILogSink& log)
      : source_(source), boxes_(boxes), log_(log) {}

  // Each is true when the machine took the clear, false when it refused or was not asked.
  bool ClearAll();
  // USB ID, two offset vectors, the work coordinates G54 to G59, three settings, the indexed
  // values 1 to 8, the user compensation and the start-up flag, in that order. The two series
  // stop at their first refusal without failing the clear, since a machine may carry fewer
  // coordinate sets or indexed values than the tool knows of.
  bool ClearUser();

 private:
  bool RunUserSteps(CHVXController& controller);

  ControllerSource source_;
  IPageBoxes& boxes_;
  ILogSink& log_;
};
