// System Report "Get": the machine's own text report, marked while the machine is still
// initialising and stamped with the local date and time, shown in the report viewer.
#pragma once

#include <functional>
#include <string>

#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"
#include "../common/page_machine.h"

struct ReportTime {
  int year;
  int month;  // 1 to 12
  int day;
  int hour;
  int minute;
};

using LocalTimeSource = std::function<ReportTime()>;

// The viewer, run modally; returns when the engineer has closed it.
class IReportViewer {
 public:
  virtual ~IReportViewer() {}
  virtual void Show(const std::string& text) = 0;
};

extern const char kReportFailedText[];  // "Failed to get system report"

class CSystemReport {
 public:
  // The report is fetched into a buffer of this size; a longer one is refused by the library.
  static constexpr int kBufferSize = 1000000;

  CSystemReport(ControllerSource source, IPageBoxes& boxes, ILogSink& log, IReportViewer& viewer,
                LocalTimeSource now)
      : source_(source), machine_(source), boxes_(boxes), log_(log), viewer_(viewer), now_(now) {}

  void Get();

  // The delivered bytes up to the first zero byte; count is clamped to the buffer.
  static std::string DeliveredText(const char* buffer, int count, int bufferSize);
  // What follows the report: the initialising mark for states 0, 1, 8 and 9, then the date line.
  static std::string Trailer(uint32_t stateWord, const ReportTime& time);

 private:
  ControllerSource source_;
  CPageMachine machine_;
  IPageBoxes& boxes_;
  ILogSink& log_;
  IReportViewer& viewer_;
  LocalTimeSource now_;
};
