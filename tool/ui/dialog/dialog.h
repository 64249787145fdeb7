// The tool's dialog layer: one class per dialog template, Win32 underneath, no class framework.
//
// How to write a dialog class:
//   class CMyDlg : public CDialog {
//    public:
//     CMyDlg() : CDialog(IDD_MY_DIALOG) {}
//    protected:
//     bool OnInit() override {              // WM_INITDIALOG; call the base first: it shows the
//       CDialog::OnInit();                  // fields of DoDataExchange
//       return true;                        // true: the system puts the focus on the first control
//     }
//     bool OnCommand(int id, int code, HWND control) override {
//       if (id == IDC_MY_BUTTON && code == BN_CLICKED) { OnMyButton(); return true; }
//       return false;                       // not handled
//     }
//     void DoDataExchange(CFieldExchange& fx) override { fx.Number(IDC_MY_EDIT, value_, 99.5, 100.5); }
//   };
//   CMyDlg box;  box.DoModal(owner);        // modal: runs until EndDialog; returns its result
//   CMyDlg page; page.Create(parent);       // modeless: lives until DestroyWindow or destruction
//
// IDOK and IDCANCEL (Enter, Esc, the close box) reach OnOK and OnCancel, never OnCommand. The base
// OnOK transfers and validates the fields and ends the dialog only when they are valid; the base
// OnCancel ends it. Ending a modeless dialog hides it; its window lives on until destroyed.
// Handlers may throw: the dialog procedure catches everything, so no exception crosses into the
// system's code (memory exhaustion is told to the engineer, anything else is dropped).
#pragma once

#include <windows.h>

#include <string>

#include "field_exchange.h"

class CDialog : private CFieldAccess {
 public:
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally over owner (its top-level window is disabled meanwhile).
  // Returns the value given to EndDialog, or -1 when the window cannot be created.
  INT_PTR DoModal(HWND owner);
  // Creates the dialog modelessly; a child template becomes a child of parent.
  bool Create(HWND parent);
  void DestroyWindow();
  // Modal: leaves the modal loop with result. Modeless: hides the window.
  void EndDialog(INT_PTR result);

  HWND Handle() const { return hwnd_; }
  bool IsWindow() const;
  int TemplateId() const { return templateId_; }

  // Reads the fields into the members (save) or shows the members in the fields. Returns false
  // when a field was refused; the engineer has then been told why.
  bool UpdateData(bool saveAndValidate = true);

  // Sees every message bound for this dialog or one of its controls before the dialog does;
  // true swallows it. The base applies the Enter/Escape filter when it is switched on.
  virtual bool PreTranslateMessage(MSG& msg);

  // The dialog of ours that owns the window, or null.
  static CDialog* FromHandle(HWND hwnd);

  // Control helpers, by control id.
  HWND Item(int id) const;
  std::string ItemText(int id) const;
  void SetItemText(int id, const std::string& text);
  void EnableItem(int id, bool enable);
  bool IsItemEnabled(int id) const;
  void ShowItem(int id, bool show);
  void CheckItem(int id, bool check);
  bool IsItemChecked(int id) const;
  std::string Caption() const;
  void SetCaption(const std::string& text);
  void Show(bool show);

  // Window timers of this dialog: the start returns the system's id, 0 on failure.
  UINT_PTR StartTimer(UINT_PTR id, UINT periodMs);
  void StopTimer(UINT_PTR id);

 protected:
  explicit CDialog(int templateId);

  virtual bool OnInit();
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(int id, NMHDR* header, LRESULT& result);
  virtual void OnTimer(UINT_PTR id);
  // The close box; false lets the system turn it into Cancel.
  virtual bool OnClose();
  virtual void OnDestroy();
  virtual void OnOK();
  virtual void OnCancel();
  // Any other message, seen before the standard dispatch; true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  virtual void DoDataExchange(CFieldExchange& fx);

  // Enter and Escape key-downs aimed at this dialog are swallowed: only the buttons close it.
  void FilterEnterAndEscape() { filterEnterEscape_ = true; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  bool DispatchStandard(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void Attach(HWND hwnd);
  void Detach();
  void FillInitialLists();
  void RunModalLoop();
  bool IsOwnWindow(HWND hwnd) const;

  std::string ReadField(int id) override;
  void WriteField(int id, const std::string& text) override;
  void RefuseField(int id, const std::string& message) override;

  const int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = -1;
  bool filterEnterEscape_ = false;
};

// Gives msg to our dialogs on its way up from its target window, as the dialogs' own message
// handling would: each one's PreTranslateMessage, then the top-level dialog's keyboard
// navigation. True when one of them consumed it.
bool RouteDialogMessage(MSG& msg);
