// The training session's Windows side: hvx40sim.exe and HVX40MEK.exe from the launcher's own
// folder, the emulator found by its window and closed as its close box does.
#pragma once

#include <windows.h>

#include <string>

#include "training_session.h"

class CWin32TrainingHost : public CTrainingHost {
 public:
  explicit CWin32TrainingHost(std::string programFolder);
  ~CWin32TrainingHost() override;

  EmulatorStart StartEmulator() override;
  bool RunTool() override;
  void EndEmulator() override;
  void ShowError(const std::string& text) override;

 private:
  HWND EmulatorWindow() const;

  std::string folder_;
  HANDLE emulator_ = nullptr;
  DWORD emulatorId_ = 0;
};

// The folder of the running program, with a trailing backslash.
std::string OwnProgramFolder();
