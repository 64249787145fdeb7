// The service tool's main window: the attached machine's identity, status, sensors and
// position, refreshed every 500 ms; the jog, spindle and STOP controls; the four tab pages and
// the log panel; and the device manager at start-up and on demand. The decisions live in
// CMainWindowLogic; this class moves values between it and the controls.
#pragma once

#include "dialog/dialog.h"
#include "jog_hold_watch.h"
#include "jog_tooltips_window.h"
#include "log_dlg.h"
#include "main/main_window_logic.h"
#include "main/win32_key_state.h"
#include "main_window_sinks.h"
#include "manager_recall.h"
#include "tab_pages.h"

class CMEKDlg : public CDialog, private IJogHoldSink {
 public:
  CMEKDlg();

  // Tab, Shift+Tab, Ctrl+Tab and Ctrl+Shift+Tab anywhere in the window (keyboard_navigation.h).
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
  void OnTimer(UINT_PTR id) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Enter and Escape do nothing: a stray key must not end a session while a machine may be
  // running. Only the close box and Alt+F4 end the window (and the program), and neither does
  // while a firmware installation runs.
  void OnOK() override {}
  void OnCancel() override {}
  bool OnClose() override;
  void OnDestroy() override;

 private:
  void SetIcons();
  bool RunDeviceManager(bool autoConnect);
  void DeviceManagerAction(bool byEngineer);
  void OpenDeviceManagerWithoutWrapper();
  void CreateLogPanel();
  void GrowToShow(const RECT& panel);
  void ShowTitle();
  void StartTicking();
  void StopTicking();
  bool OnMachineControl(int id);
  void ShowFields();
  void ApplyConnected();
  bool PaintMinimised();
  void HoldBegan(int controlId) override { logic_.OnJogHoldBegan(controlId); }
  void HoldEnded() override { logic_.OnJogHoldEnded(); }

  HICON icon_ = nullptr;
  UINT_PTR timer_ = 0;
  CLogDlg log_;
  CLogPanelSink logSink_{log_};
  CMessageBoxSink boxes_;
  CWin32KeyState keys_;
  CMainWindowLogic logic_;
  CTabPages pages_{log_};
  CJogTooltips tooltips_;
  CManagerRecall recall_;
  CJogHoldWatch holds_;
};
