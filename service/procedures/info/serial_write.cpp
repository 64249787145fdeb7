#include "serial_write.h"

#include "../../seams/current_controller.h"

const char kSerialLengthText[] = "Serial Number should be 7 letters";

namespace {

const char kWrittenText[] = "Write the serial";
const char kWriteFailedText[] = "Failed to write the serial";

}  // namespace

bool CSerialWrite::Write(const std::string& serial) {
  if (serial.size() != kSerialLength) {
    boxes_.Tell(kSerialLengthText);
    return false;
  }
  const bool written = OnCurrentController(
      source_, false, [&](CHVXController& c) { return c.SetSerialNumber(serial.c_str()); });
  log_.AddLog(written ? kWrittenText : kWriteFailedText);
  log_.AddLog((written ? "Serial number written: " : "Serial number not written: ") + serial);
  return written;
}
