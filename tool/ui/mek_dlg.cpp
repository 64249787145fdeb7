#include "mek_dlg.h"

#include "../resources/resource.h"
#include "../wrapper/controller_holder.h"
#include "../wrapper/hvx_all_ctr.h"
#include "device_manager.h"

namespace {

const int kLogPanelTop = 315;

}  // namespace

CMEKDlg::CMEKDlg() : CDialog(IDD_HVX40MEK_DIALOG) {}

void CMEKDlg::RunDeviceManager(bool autoConnect) {
  CDeviceManager manager(autoConnect);
  manager.DoModal(Handle());
  connected_ = manager.connected();
}

void CMEKDlg::ShowDeviceName() {
  SetItemText(IDC_MAIN_DEVICE_NAME, connected_ ? kModelName : "");
  SetItemText(IDC_MAIN_STATUS, connected_ ? "Ready" : "off line");
}

bool CMEKDlg::OnInit() {
  CDialog::OnInit();
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  connected_ = false;
  RunDeviceManager(true);
  if (log_.Create(Handle())) {
    RECT client;
    GetClientRect(log_.Handle(), &client);
    SetWindowPos(log_.Handle(), nullptr, client.left, client.top + kLogPanelTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    log_.Show(true);
  }
  log_.SetLogName(kModelName);
  SetCaption("HVX40MEK");
  ShowDeviceName();
  if (connected_) AddLog(&log_, log_.LogName(), "Open MEK");
  return true;
}

bool CMEKDlg::OnCommand(int id, int code, HWND /*control*/) {
  if (id != IDC_MAIN_DEVICE_MANAGER || code != BN_CLICKED) return false;
  RunDeviceManager(false);
  log_.SetLogName(kModelName);
  AddLog(&log_, log_.LogName(), connected_ ? "Connected" : "DisConnected");
  ShowDeviceName();
  return true;
}

void CMEKDlg::OnDestroy() {
  if (CHVXController* controller = CurrentController()) controller->SetValue_0209(0);
  ReleaseController();
  CDialog::OnDestroy();
}
