#include "auto_calibration.h"

#include "../common/compensation_percent.h"
#include "../common/file_record.h"

const char kCutReadyQuestion[] = "a tool and workpiece are readyfor cutting?";
const char kCutDataFileName[] = "cutdata.prn";
const char kGetUserValueFailedText[] = "Failed to get user value";
const char kSetUserValueFailedText[] = "Failed to set user value";

bool CAutoCalibration::Open(CalibrationLengths& lengths) {
  int x = 0, y = 0, z = 0;
  read_ = machine_.GetUserCompensation(x, y, z);
  if (!read_) {
    boxes_.Tell(kGetUserValueFailedText);
    return false;
  }
  savedX_ = x;
  savedY_ = y;
  savedZ_ = z;
  lengths.x = PercentFromPpm(x);
  lengths.y = PercentFromPpm(y);
  machine_.SetUserCompensation(0, 0, 0);
  return true;
}

void CAutoCalibration::Output(int resourceId) {
  if (!boxes_.Ask(kCutReadyQuestion, true)) return;
  if (OutputCutData(resourceId)) return;
  log_.AddLog(resourceId == kCutX ? "Failed to output X data" : "Failed to output Y data");
}

bool CAutoCalibration::OutputCutData(int resourceId) {
  std::string folder;
  if (!files_.TempFolder(folder)) return false;
  const std::string path = folder + kCutDataFileName;
  std::vector<uint8_t> program;
  cutData_.Read(resourceId, program);
  // The file is created (emptied) even without a program, as the next cut overwrites it anyway.
  const FileFault fault = files_.WriteAll(path, program.data(), program.size());
  if (fault != FileFault::kNone) {
    notice_.FileError(path, fault);
    return false;
  }
  if (program.empty()) return false;
  if (!machine_.OutputFile(path, "output")) {
    log_.AddLog("Failed to output file");
    log_.AddLog(FileLogLine(FileAct::kNotSent, path));
    return false;
  }
  log_.AddLog("Output File");
  log_.AddLog(FileLogLine(FileAct::kSent, path));
  return true;
}

bool CAutoCalibration::Set(const CalibrationLengths& lengths, bool entryAccepted) {
  if (!entryAccepted || !read_) return false;
  const int32_t x = PpmFromPercent(lengths.x);
  const int32_t y = PpmFromPercent(lengths.y);
  if (machine_.SetUserCompensation(x, y, savedZ_)) {
    savedX_ = x;
    savedY_ = y;
    log_.AddLog("Set user value");
    return true;
  }
  log_.AddLog(kSetUserValueFailedText);
  boxes_.Tell(kSetUserValueFailedText);
  Close();
  return true;
}

void CAutoCalibration::Close() {
  if (read_) machine_.SetUserCompensation(savedX_, savedY_, savedZ_);
}
