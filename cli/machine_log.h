// The console program's entries in the service tool's log files: the same files as the main
// window's (the same prefix), each line naming the program, the machine's queue and its serial
// number, so that the service history stays whole whichever program did the work.
#pragma once

#include <string>

#include "../service/seams/window_seams.h"

class CMachineLog : public ILogSink {
 public:
  // Until the machine is known its fields read "-".
  void SetMachine(const std::string& queue, const std::string& serial);
  void AddLog(const std::string& text) override;

  // The message as filed: "hvx40ctl [<queue>] [<serial number>] Write the serial".
  std::string Entry(const std::string& text) const;

 private:
  std::string queue_ = "-";
  std::string serial_ = "-";
};
