#include "mek_app.h"

#include <windows.h>
#include <commctrl.h>

#include "../../service/wrapper/controller_holder.h"
#include "../../service/wrapper/hvx_all_ctr.h"
#include "../ui/device_manager.h"
#include "../ui/mek_dlg.h"
#include "command_line.h"
#include "win32_log_book.h"
#include "win32_platform.h"

namespace {

// List view, tree view, bars, tab, up-down, progress, hot key and animation classes.
const DWORD kControlClasses = 0xFF;

}  // namespace

bool CMEKApp::InitInstance(const char* commandLine) {
  INITCOMMONCONTROLSEX controls{sizeof controls, kControlClasses};
  InitCommonControlsEx(&controls);
  CDeviceManager::UseSimulator(HasSimulatorSwitch(commandLine));
  SetControllerFactory([] { return new CHVXAllCtr(Win32ToolPlatform()); });
  InstallLogBook();
  CMEKDlg mainWindow;
  mainWindow.DoModal(nullptr);
  return false;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  CMEKApp app;
  app.InitInstance(commandLine);
  return 0;
}
