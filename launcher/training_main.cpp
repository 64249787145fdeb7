// HVX40Training.exe: the Start menu's training shortcut. A windowed program, so that no console
// opens; it shows a box only when the emulator or the tool cannot be started.
#include <windows.h>

#include "training_host_win32.h"
#include "training_session.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CWin32TrainingHost host(OwnProgramFolder());
  return RunTrainingSession(host);
}
