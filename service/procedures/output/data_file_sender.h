// The send step shared by "Send" and "Upgrade": a file handed to the machine unchanged, as a
// print job named "output".
#pragma once

#include <string>

#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"
#include "../common/page_machine.h"

class CDataFileSender {
 public:
  CDataFileSender(CPageMachine& machine, IPageBoxes& boxes, ILogSink& log)
      : machine_(machine), boxes_(boxes), log_(log) {}

  // False when no file was chosen or the machine did not take it; the engineer has been told.
  // The attempt is logged either way.
  bool SendDataFile(const std::string& path);

 private:
  CPageMachine& machine_;
  IPageBoxes& boxes_;
  ILogSink& log_;
};

extern const char kSelectFileText[];  // "Select the file address."
