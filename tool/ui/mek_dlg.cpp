#include "mek_dlg.h"

#include "../../service/procedures/output/installation_guard.h"
#include "../../service/wrapper/controller_holder.h"
#include "../../service/wrapper/hvx_all_ctr.h"
#include "../resources/resource.h"
#include "device_manager.h"
#include "dialog_focus.h"
#include "log_panel_placement.h"
#include "main/keyboard_navigation.h"
#include "main/main_control_ids.h"
#include "main_window_controls.h"
#include "program_version.h"

namespace {

const UINT_PTR kStatusTimer = 1;
const UINT kStatusPeriodMs = 500;

}  // namespace

CMEKDlg::CMEKDlg()
    : CDialog(IDD_HVX40MEK_DIALOG),
      logic_([] { return CurrentController(); }, logSink_, boxes_, keys_) {}

bool CMEKDlg::OnInit() {
  CDialog::OnInit();
  SetIcons();
  const bool connected = RunDeviceManager(true);
  pages_.Build(Handle(), IDC_MAIN_TAB);
  // The log panel is made whatever became of the pages: every action of the tool is recorded
  // through it.
  CreateLogPanel();
  GrowToShow(pages_.FrameRect());
  log_.SetLogName(kModelName);
  logic_.StartUp(connected);
  ShowTitle();
  CheckRadioButton(Handle(), IDC_MAIN_STEP_1, IDC_MAIN_HIGH_SPEED, IDC_MAIN_STEP_100);
  CheckItem(IDC_MAIN_SPINDLE_ON, false);
  StartTicking();
  tooltips_.Create(Handle());
  holds_.Attach(Handle(), main_ids::kScannedJogButtons, *this);
  ShowFields();
  ApplyConnected();
  return true;
}

void CMEKDlg::SetIcons() {
  icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

bool CMEKDlg::RunDeviceManager(bool autoConnect) {
  CDeviceManager manager(autoConnect);
  manager.DoModal(Handle());
  return manager.connected();
}

void CMEKDlg::DeviceManagerAction(bool byEngineer) {
  StopTicking();
  recall_.ActionStarted(byEngineer);
  const bool connected = RunDeviceManager(false);
  log_.SetLogName(kModelName);
  logic_.DeviceManagerClosed(connected);
  recall_.ActionEnded(CurrentController() != nullptr);
  ShowFields();
  ApplyConnected();
  StartTicking();
}

// Without a wrapper nothing can reach the machine; the device manager makes a new one.
void CMEKDlg::OpenDeviceManagerWithoutWrapper() {
  if (recall_.ShouldOpen(CurrentController() != nullptr)) DeviceManagerAction(false);
}

void CMEKDlg::CreateLogPanel() {
  if (!log_.Create(Handle())) return;
  RECT client{};
  GetClientRect(log_.Handle(), &client);
  const PixelRect placed = LogPanelRect(client.right - client.left, client.bottom - client.top);
  MoveWindow(log_.Handle(), placed.left, placed.top, placed.right - placed.left,
             placed.bottom - placed.top, FALSE);
  log_.Show(true);
  GrowToShow(RECT{placed.left, placed.top, placed.right, placed.bottom});
}

void CMEKDlg::GrowToShow(const RECT& panel) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int growth =
      ClientGrowthToShow(PixelRect{panel.left, panel.top, panel.right, panel.bottom}, client.bottom);
  if (growth == 0) return;
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + growth,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMEKDlg::ShowTitle() {
  SetCaption(WindowTitleFor(CurrentController(), ReadProgramFileVersion()));
}

void CMEKDlg::StartTicking() { timer_ = StartTimer(kStatusTimer, kStatusPeriodMs); }

void CMEKDlg::StopTicking() {
  if (timer_ > 0) StopTimer(kStatusTimer);
  timer_ = 0;
}

void CMEKDlg::OnTimer(UINT_PTR id) {
  if (id != kStatusTimer) return;
  // The installation's waits dispatch this timer too. The machine is left to the installation,
  // and the wrapper that its reload takes away for a while must not bring up the device manager.
  if (InstallationRunning()) return;
  OpenDeviceManagerWithoutWrapper();
  logic_.Tick(TickInput{ReadStepRadios(*this), ChordsMayJogAt(*this), GetTickCount()});
  ApplyConnected();
  ShowFields();
}

bool CMEKDlg::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_MAIN_DEVICE_MANAGER) {
    DeviceManagerAction(true);
    return true;
  }
  if (!OnMachineControl(id)) return false;
  ShowFields();
  return true;
}

bool CMEKDlg::OnMachineControl(int id) {
  switch (id) {
    case IDC_MAIN_JOG_X_PLUS: case IDC_MAIN_JOG_X_MINUS: case IDC_MAIN_JOG_Y_PLUS:
    case IDC_MAIN_JOG_Y_MINUS: case IDC_MAIN_JOG_Z_PLUS: case IDC_MAIN_JOG_Z_MINUS:
    case IDC_MAIN_JOG_A_PLUS: case IDC_MAIN_JOG_A_MINUS:
      logic_.OnJogButton(id, ReadStepRadios(*this));
      return true;
    case IDC_MAIN_SPINDLE_UP: case IDC_MAIN_SPINDLE_DOWN:
      logic_.OnSpindleStep(id);
      return true;
    case IDC_MAIN_SPINDLE_ON:
      logic_.OnSpindleBox(IsItemChecked(IDC_MAIN_SPINDLE_ON));
      return true;
    case IDC_MAIN_STOP:
      logic_.OnStop();
      return true;
    case IDC_MAIN_STEP_1: case IDC_MAIN_STEP_10: case IDC_MAIN_STEP_100:
    case IDC_MAIN_LOW_SPEED: case IDC_MAIN_HIGH_SPEED:
      logic_.OnStepRadioClicked(ReadStepRadios(*this));
      return true;
    default:
      return false;
  }
}

bool CMEKDlg::OnNotify(int id, NMHDR* header, LRESULT& /*result*/) {
  if (id == IDC_MAIN_TAB && header->code == TCN_SELCHANGE) {
    pages_.ShowSelected();
    return true;
  }
  return CJogTooltips::AnswerTextRequest(header);
}

void CMEKDlg::ShowFields() {
  ShowFieldTexts(*this, logic_.FieldTexts());
  CheckItem(IDC_MAIN_SPINDLE_ON, logic_.Spindle().BoxChecked());
}

void CMEKDlg::ApplyConnected() {
  const bool connected = logic_.Connected();
  EnableMainWindowMachineControls(*this, connected);
  pages_.EnableMachineControls(connected);
}

bool CMEKDlg::OnClose() {
  // A machine whose installation is cut off half-way is left without working firmware: while
  // one runs, a close request (the taskbar's, say; the window itself is disabled) is refused.
  if (InstallationRunning()) return true;
  EndDialog(IDCANCEL);
  return true;
}

bool CMEKDlg::PreTranslateMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN || !IsWindow()) return false;
  if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  switch (TabKeyActionFor(static_cast<int>(msg.wParam), ctrl, shift, alt)) {
    case TabKeyAction::kNextControl: MoveDialogFocus(Handle(), true); return true;
    case TabKeyAction::kPreviousControl: MoveDialogFocus(Handle(), false); return true;
    case TabKeyAction::kNextPage: pages_.TurnPage(true); return true;
    case TabKeyAction::kPreviousPage: pages_.TurnPage(false); return true;
    default: return false;
  }
}

bool CMEKDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_QUERYDRAGICON) {
    result = reinterpret_cast<LRESULT>(icon_);
    return true;
  }
  if (message == WM_PAINT && IsIconic(Handle())) return PaintMinimised();
  // A box of the tool disabling the window, or another window taken to the front, ends a hold.
  if ((message == WM_ENABLE && wParam == FALSE) ||
      (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE)) {
    holds_.EndHold();
  }
  return false;
}

bool CMEKDlg::PaintMinimised() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(Handle(), &client);
  const int left = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int top = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, left, top, icon_);
  EndPaint(Handle(), &paint);
  return true;
}

void CMEKDlg::OnDestroy() {
  StopTicking();
  holds_.EndHold();
  holds_.Detach();
  logic_.LetGo();
  // The record of the session ends after whatever letting go of the machine logged.
  logic_.EndSession();
  ReleaseController();
  CDialog::OnDestroy();
}
