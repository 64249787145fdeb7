// Serial "Write": the machine's serial number, which is always seven characters long.
#pragma once

#include <string>

#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"

extern const char kSerialLengthText[];  // "Serial Number should be 7 letters"

class CSerialWrite {
 public:
  static constexpr size_t kSerialLength = 7;

  CSerialWrite(ControllerSource source, IPageBoxes& boxes, ILogSink& log)
      : source_(source), boxes_(boxes), log_(log) {}

  // Any seven bytes are written as they stand; only the length is checked. True when the
  // machine took the serial number.
  bool Write(const std::string& serial);

 private:
  ControllerSource source_;
  IPageBoxes& boxes_;
  ILogSink& log_;
};
