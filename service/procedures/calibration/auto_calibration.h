// The test-cut calibration: while the box is open the machine's user compensation is zero, so
// the test cuts are made uncorrected; Set stores the measured lengths as the new X and Y values
// (Z is kept), Close puts back the values in force when the box opened. The machine's values are
// zeroed and written back only when they were read: a value never read is never written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"
#include "../../wrapper/tool_platform.h"
#include "../common/page_machine.h"

// The two test-cut programs the tool carries (resource type "CutData").
class ICutDataSource {
 public:
  virtual ~ICutDataSource() {}
  // False when the program is missing or empty.
  virtual bool Read(int resourceId, std::vector<uint8_t>& bytes) = 0;
};

struct CalibrationLengths {
  double x = 100.0;  // measured length of the nominal 100 mm cut along X, in mm
  double y = 100.0;
};

class CAutoCalibration {
 public:
  static constexpr int kCutX = 131;
  static constexpr int kCutY = 132;

  CAutoCalibration(CPageMachine& machine, IPageBoxes& boxes, ILogSink& log, CFileStore& files,
                   CUserNotice& notice, ICutDataSource& cutData)
      : machine_(machine), boxes_(boxes), log_(log), files_(files), notice_(notice),
        cutData_(cutData) {}

  // The box opens: remembers the machine's compensation, shows it as lengths, zeroes it. False
  // when it could not be read: the engineer is told, the machine's compensation is left as it
  // is, and the box is to close at once.
  bool Open(CalibrationLengths& lengths);
  // Output X (kCutX) or Output Y (kCutY), after the readiness question.
  void Output(int resourceId);
  // Writes the program to "cutdata.prn" in the temporary folder and sends it as job "output".
  bool OutputCutData(int resourceId);
  // Stores the lengths unless the field validation refused them (values the engineer was just
  // told are invalid are not sent). True when the box is to close: the machine took them, or it
  // refused them and the values of opening were put back as Close does (the engineer told), so
  // that the next cut is not made with the compensation still at zero.
  bool Set(const CalibrationLengths& lengths, bool entryAccepted);
  // The box closes without a Set: the values of opening (or of the last Set) go back.
  void Close();

  int32_t SavedX() const { return savedX_; }
  int32_t SavedY() const { return savedY_; }
  int32_t SavedZ() const { return savedZ_; }

 private:
  CPageMachine& machine_;
  IPageBoxes& boxes_;
  ILogSink& log_;
  CFileStore& files_;
  CUserNotice& notice_;
  ICutDataSource& cutData_;
  int32_t savedX_ = 0;
  int32_t savedY_ = 0;
  int32_t savedZ_ = 0;
  // The saved values are the machine's own, read at opening.
  bool read_ = false;
};

extern const char kCutReadyQuestion[];  // "a tool and workpiece are readyfor cutting?"
extern const char kCutDataFileName[];   // "cutdata.prn"
extern const char kGetUserValueFailedText[];  // "Failed to get user value"
extern const char kSetUserValueFailedText[];  // "Failed to set user value"
