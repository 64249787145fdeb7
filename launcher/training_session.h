// One training session without a machine: the emulator first, then the service tool connected to
// it; when the engineer closes the tool, the emulator this session started is ended. An emulator
// that was already running is used and left running.
#pragma once

#include <string>

enum class EmulatorStart { kStarted, kAlreadyRunning, kFailed };

// What the session needs from the system; the Windows one starts the programs beside the
// launcher.
class CTrainingHost {
 public:
  virtual ~CTrainingHost() = default;
  // Starts the emulator and waits until it serves its machine.
  virtual EmulatorStart StartEmulator() = 0;
  // Starts the tool in simulator mode and waits until it has closed; false when it did not start.
  virtual bool RunTool() = 0;
  // Ends the emulator that StartEmulator started.
  virtual void EndEmulator() = 0;
  virtual void ShowError(const std::string& text) = 0;
};

extern const char kEmulatorFailedText[];
extern const char kToolFailedText[];

// The launcher's exit code: 0 when the tool ran, 1 when the emulator, 2 when the tool failed to
// start.
int RunTrainingSession(CTrainingHost& host);
