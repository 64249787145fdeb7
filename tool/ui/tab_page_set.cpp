#include "tab_page_set.h"

#include "../pages/axis/axis_dlg.h"
#include "../pages/info/info_dlg.h"
#include "../pages/output/output_dlg.h"
#include "../pages/sub/sub_dlg.h"
#include "device_manager.h"
#include "log_dlg.h"

TabPageSet MakeTabPages(CLogDlg& log) {
  return {std::make_unique<CInfoDlg>(&log), std::make_unique<CAxisDlg>(&log),
          std::make_unique<COutputDlg>(&log), std::make_unique<CSubDlg>(&log)};
}

void PrepareTabPages(HWND mainWindow) {
  if (!CDeviceManager::UsesSimulator()) return;
  const int window = static_cast<int>(reinterpret_cast<INT_PTR>(mainWindow));
  COutputDlg::SetLibraryReconnect(
      [window](CHVXController& controller) { controller.ConnectSimulator(window); });
}
