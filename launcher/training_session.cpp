#include "training_session.h"

const char kEmulatorFailedText[] = "The training simulator (hvx40sim.exe) could not be started.";
const char kToolFailedText[] = "The HVX-40 service tool (HVX40MEK.exe) could not be started.";

int RunTrainingSession(CTrainingHost& host) {
  const EmulatorStart start = host.StartEmulator();
  if (start == EmulatorStart::kFailed) {
    host.ShowError(kEmulatorFailedText);
    return 1;
  }
  const bool toolRan = host.RunTool();
  if (start == EmulatorStart::kStarted) host.EndEmulator();
  if (!toolRan) {
    host.ShowError(kToolFailedText);
    return 2;
  }
  return 0;
}
