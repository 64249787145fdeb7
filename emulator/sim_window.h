// The emulator's window: the machine's state, refreshed five times a second, buttons for the
// cover and the limit sensors, and the target of the control channel (WM_COPYDATA with dwData 1
// and a NUL-terminated ASCII command, answered TRUE when the command was carried out).
#pragma once

#include <windows.h>

#include <mutex>

#include "control_channel.h"
#include "machine_model.h"
#include "server_switches.h"
#include "simulator_block.h"

constexpr ULONG_PTR kControlCommandData = 1;

class CSimWindow {
 public:
  CSimWindow(CMachineModel& machine, CServerSwitches& server, std::mutex& mutex);
  bool Create(HINSTANCE instance, const char* title);
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Refresh();
  void OnButton(int id);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  ControlResult Run(const std::string& command);

  CMachineModel& machine_;
  CServerSwitches& server_;
  std::mutex& mutex_;
  CControlChannel channel_;
  HWND window_ = nullptr;
  HWND text_ = nullptr;
  HFONT font_ = nullptr;
};
