#include "machine_log.h"

#include "../service/log/log_window.h"
#include "../service/wrapper/hvx_all_ctr.h"
#include "outcome.h"

void CMachineLog::SetMachine(const std::string& queue, const std::string& serial) {
  queue_ = queue.empty() ? "-" : queue;
  serial_ = serial.empty() ? "-" : serial;
}

std::string CMachineLog::Entry(const std::string& text) const {
  return "hvx40ctl [" + queue_ + "] [" + serial_ + "] " + OnOneLine(text);
}

// Filed under the model string, the prefix of the tool's main window.
void CMachineLog::AddLog(const std::string& text) { ::AddLog(nullptr, kModelName, Entry(text)); }
