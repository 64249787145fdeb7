// COutputDlg: the "Output" tab page (template 133): sends a cutting file to the machine
// unchanged, and installs a firmware file (".rfw").
//
// The main window creates it as a child dialog with the log panel the page writes to:
//   COutputDlg output(&logPanel);    // the log panel (not owned); may be null
//   output.Create(mainWindow);       // a hidden child window of the main window
// and switches "Send" (1013) and "Upgrade" (1020) with EnableItem by its connected flag.
//
// An installation replaces the tool's wrapper (controller_holder.h). When it fails the tool is
// left without a wrapper; the main window's next status refresh then finds none and opens the
// device manager, which builds a new one. A tool that reaches the machine through the emulator
// sets a reconnect hook, since a freshly loaded library only connects printer queues by itself:
//   COutputDlg::SetLibraryReconnect([](CHVXController& c) { c.ConnectSimulator(window); });
#pragma once

#include <string>

#include "../../../service/procedures/common/page_log.h"
#include "../../../service/procedures/common/page_machine.h"
#include "../../../service/procedures/output/library_reload.h"
#include "../../../service/procedures/output/output_paths.h"
#include "../../ui/dialog/dialog.h"
#include "../common/page_windows.h"

class CLogWindow;

class COutputDlg : public CDialog {
 public:
  explicit COutputDlg(CLogWindow* log);

  static void SetLibraryReconnect(ReconnectHook hook);

  // The send step shared by Send and Upgrade.
  bool SendDataFile(const std::string& path);

  const std::string& DataPath() const { return paths_.DataPath(); }
  const std::string& FirmwarePath() const { return paths_.FirmwarePath(); }

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void OnChooseDataFile();
  void OnChooseFirmwareFile();
  void OnUpgrade();
  void ShowPaths();
  // Send and Upgrade act on what the File fields show.
  void TakeFields();

  COutputPaths paths_;
  CPageMachine machine_;
  CPageLog log_;
  CPageBoxes boxes_;
};
