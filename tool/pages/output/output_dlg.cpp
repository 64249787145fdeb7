#include "output_dlg.h"

#include "../../../service/procedures/output/data_file_sender.h"
#include "../../../service/procedures/output/firmware_upgrade.h"
#include "../../../service/procedures/output/installation_guard.h"
#include "../../../service/procedures/output/pumping_clock.h"
#include "../../../service/wrapper/controller_holder.h"
#include "../../resources/resource.h"
#include "../info/win32_file_boxes.h"
#include "install_box_window.h"

namespace {

ReconnectHook& LibraryReconnect() {
  static ReconnectHook hook;
  return hook;
}

}  // namespace

COutputDlg::COutputDlg(CLogWindow* log)
    : CDialog(IDD_OUTPUT_PAGE),
      machine_(CurrentController),
      log_(log) {}

void COutputDlg::SetLibraryReconnect(ReconnectHook hook) { LibraryReconnect() = hook; }

bool COutputDlg::SendDataFile(const std::string& path) {
  return CDataFileSender(machine_, boxes_, log_).SendDataFile(path);
}

bool COutputDlg::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_OUTPUT_BROWSE_DATA: OnChooseDataFile(); return true;
    case IDC_OUTPUT_BROWSE_FIRMWARE: OnChooseFirmwareFile(); return true;
    case IDC_OUTPUT_SEND:
      TakeFields();
      SendDataFile(paths_.DataPath());
      return true;
    case IDC_OUTPUT_UPGRADE: OnUpgrade(); return true;
    default: return false;
  }
}

void COutputDlg::TakeFields() {
  paths_.TakeFields(ItemText(IDC_OUTPUT_DATA_PATH), ItemText(IDC_OUTPUT_FIRMWARE_PATH));
}

void COutputDlg::OnChooseDataFile() {
  CWin32FileBoxes fileBoxes(*this);
  TakeFields();  // the other field keeps what was typed there
  if (paths_.ChooseDataFile(fileBoxes)) ShowPaths();
}

void COutputDlg::OnChooseFirmwareFile() {
  CWin32FileBoxes fileBoxes(*this);
  TakeFields();
  if (paths_.ChooseFirmwareFile(fileBoxes)) ShowPaths();
}

void COutputDlg::ShowPaths() {
  SetItemText(IDC_OUTPUT_DATA_PATH, paths_.DataPath());
  SetItemText(IDC_OUTPUT_FIRMWARE_PATH, paths_.FirmwarePath());
}

void COutputDlg::OnUpgrade() {
  TakeFields();
  const CInstallationScope installing;
  CInstallBoxWindow box(*this);
  CPumpingClock clock(SystemClock(), box);
  CHolderLibraryReload reload(clock, LibraryReconnect());
  CWin32PageFiles files;
  CWin32FileBoxes fileBoxes(*this);
  CFirmwareUpgrade upgrade(UpgradeSeams{CurrentController, machine_, boxes_, log_, clock, reload,
                                        box, files, fileBoxes});
  upgrade.Run(paths_.FirmwarePath());
}
