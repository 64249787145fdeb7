#include "device_manager.h"

#include "../../service/win32/win32_spooler.h"
#include "../resources/resource.h"

namespace {

const RECT kListRect = {31, 39, 450, 183};
const int kColumnWidth = 140;
const int kListGap = 6;
const char* const kColumnTitles[] = {"PrinterName", "Status", "Model"};

bool g_simulator = false;

}  // namespace

// The list keeps its place, but never reaches over the button row: with small dialog fonts the
// buttons sit higher than the list's bottom edge and would be hidden under it.
RECT CDeviceListRows::ListRect() const {
  RECT rect = kListRect;
  RECT button;
  HWND refresh = owner_.Item(IDC_DEVMGR_REFRESH);
  if (refresh && GetWindowRect(refresh, &button)) {
    MapWindowPoints(nullptr, owner_.Handle(), reinterpret_cast<POINT*>(&button), 2);
    if (button.top - kListGap < rect.bottom) rect.bottom = button.top - kListGap;
  }
  return rect;
}

void CDeviceListRows::Create() {
  const RECT rect = ListRect();
  HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, WC_LISTVIEWA, "",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SORTASCENDING |
          LVS_REPORT,
      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, owner_.Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DEVMGR_LIST)), GetModuleHandleA(nullptr),
      nullptr);
  list_.Attach(list);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_BORDERSELECT);
  for (int column = 0; column < 3; ++column) {
    if (!list_.InsertColumn(column, kColumnTitles[column], kColumnWidth)) break;
  }
}

int CDeviceListRows::InsertSorted(const std::string& name) {
  return list_.InsertItem(list_.Count(), name);
}

bool CDeviceListRows::SetCell(int row, int column, const std::string& text) {
  return list_.SetItemText(row, column, text);
}

void CDeviceManager::UseSimulator(bool simulator) { g_simulator = simulator; }
bool CDeviceManager::UsesSimulator() { return g_simulator; }

CDeviceAccess& CDeviceManager::Access(HWND window) {
  static CWin32PrinterSpooler spooler;
  static CPrinterAccess printers(spooler);
  static CSimulatorAccess simulator;
  if (!g_simulator) return printers;
  // The emulator is told this window, the one that stands for the machine's owner.
  simulator.SetWindow(static_cast<int>(reinterpret_cast<INT_PTR>(window)));
  return simulator;
}

CDeviceManager::CDeviceManager(bool autoConnect)
    : CDialog(IDD_DEVICE_MANAGER), rows_(*this), model_(Access(nullptr), rows_, notice_, autoConnect) {}

bool CDeviceManager::OnInit() {
  CDialog::OnInit();
  ShowItem(IDC_DEVMGR_LIST, false);
  Access(Handle());
  if (model_.Initialise()) EndDialog(IDOK);
  return true;
}

bool CDeviceManager::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_DEVMGR_REFRESH:
      model_.Refresh();
      return true;
    case IDC_DEVMGR_CONNECT:
      model_.Connect();
      return true;
    case IDC_DEVMGR_OK:
      OnOK();
      return true;
    case IDC_DEVMGR_CLOSE:
      OnCancel();
      return true;
  }
  return false;
}

// Enter counts as the OK button: the dialog ends only once a machine is connected.
void CDeviceManager::OnOK() {
  if (model_.ConfirmOk()) EndDialog(IDOK);
}
