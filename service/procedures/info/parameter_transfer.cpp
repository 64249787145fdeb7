#include "parameter_transfer.h"

#include <vector>

#include "../../seams/current_controller.h"
#include "../common/file_record.h"

namespace {

const char kParameterFilter[] = "all *.*|*.*||";
const char kSavedText[] = "Saved Parameter";
const char kGetFailedText[] = "Failed to get the parameter";
const char kPutText[] = "Put Parameter";
const char kPutFailedText[] = "Failed to put the parameter";
const char kPutNoticeText[] =
    "Put the parameter.\nthe machine restarts, then pramater will be replaced.";
const char kFileTooLongText[] = "The parameter file is larger than 10000 bytes.";

class CBusyScope {
 public:
  explicit CBusyScope(IBusyCursor& cursor) : cursor_(cursor) { cursor_.Begin(); }
  ~CBusyScope() { cursor_.End(); }

 private:
  IBusyCursor& cursor_;
};

}  // namespace

// The chosen file may be an earlier backup: it is written only once the machine has delivered
// the area, so a failed fetch leaves it exactly as it was.
bool CParameterTransfer::Get() {
  std::string path;
  if (!fileBoxes_.AskSavePath(kParameterFilter, "", path)) return false;
  CBusyScope busy(cursor_);
  std::vector<uint8_t> area(kAreaLimit);
  const int count = OnCurrentController(source_, 0, [&](CHVXController& c) {
    return c.GetParameters(area.data(), kAreaLimit);
  });
  if (count <= 0 || count > kAreaLimit) {
    log_.AddLog(kGetFailedText);
    log_.AddLog(FileLogLine(FileAct::kNotWritten, path));
    return false;
  }
  const FileFault fault = files_.Write(path, area.data(), static_cast<size_t>(count));
  if (fault != FileFault::kNone) {
    log_.AddLog(FileLogLine(FileAct::kNotWritten, path));
    fileBoxes_.ShowFileError(path, fault);
    return false;
  }
  log_.AddLog(kSavedText);
  log_.AddLog(FileLogLine(FileAct::kWritten, path));
  return true;
}

// An image longer than the area limit is not a parameter image of this machine; sending its
// first 10000 bytes would overwrite the machine's parameters with a cut copy, so it is refused.
bool CParameterTransfer::Put() {
  std::string path;
  if (!fileBoxes_.AskOpenPath(kParameterFilter, path)) return false;
  std::vector<uint8_t> image;
  bool longer = false;
  const FileFault fault = files_.ReadPrefix(path, kAreaLimit, image, longer);
  if (fault != FileFault::kNone) {
    fileBoxes_.ShowFileError(path, fault);
    return false;
  }
  if (longer) {
    log_.AddLog(kPutFailedText);
    log_.AddLog(FileLogLine(FileAct::kRead, path) + " (" + kFileTooLongText + ")");
    boxes_.Tell(kFileTooLongText);
    return false;
  }
  CBusyScope busy(cursor_);
  if (!Send(image)) {
    log_.AddLog(kPutFailedText);
    log_.AddLog(FileLogLine(FileAct::kRead, path));
    return false;
  }
  log_.AddLog(kPutText);
  log_.AddLog(FileLogLine(FileAct::kRead, path));
  boxes_.Inform(kPutNoticeText);
  return true;
}

bool CParameterTransfer::Send(const std::vector<uint8_t>& image) {
  return OnCurrentController(source_, false, [&](CHVXController& c) {
    return c.PutParameters(image.data(), static_cast<int>(image.size()));
  });
}
