#include "dialog.h"

#include <new>
#include <vector>

#include "dialog_init.h"
#include "message_box.h"

namespace {

const int kDialogInitType = 240;

HINSTANCE ProgramModule() { return GetModuleHandleA(nullptr); }

// Messages whose result a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
}

bool IsEnterOrEscapeDown(const MSG& msg) {
  return msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

std::string WindowText(HWND hwnd) {
  std::vector<char> buffer(GetWindowTextLengthA(hwnd) + 1);
  GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

}  // namespace

CDialog::CDialog(int templateId) : templateId_(templateId) {}

CDialog::~CDialog() {
  // The derived part is gone: the window must not call back into it while it is destroyed.
  if (hwnd_ == nullptr) return;
  HWND hwnd = hwnd_;
  Detach();
  ::DestroyWindow(hwnd);
}

INT_PTR CDialog::DoModal(HWND owner) {
  HWND top = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
  modal_ = true;
  ended_ = false;
  result_ = -1;
  if (CreateDialogParamA(ProgramModule(), MAKEINTRESOURCEA(templateId_), top, DialogProc,
                         reinterpret_cast<LPARAM>(this)) == nullptr) {
    modal_ = false;
    return -1;
  }
  const bool disableOwner = top != nullptr && IsWindowEnabled(top);
  if (!ended_) {
    if (disableOwner) EnableWindow(top, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    RunModalLoop();
  }
  // The owner comes back before the box goes, or the system would activate another program.
  if (disableOwner) EnableWindow(top, TRUE);
  if (hwnd_ != nullptr) {
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (top != nullptr && GetActiveWindow() == hwnd_) SetActiveWindow(top);
    ::DestroyWindow(hwnd_);
  }
  modal_ = false;
  return result_;
}

void CDialog::RunModalLoop() {
  MSG msg;
  while (!ended_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The program is ending: leave the box and let the outer loop see the request too.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!RouteDialogMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

bool CDialog::Create(HWND parent) {
  if (hwnd_ != nullptr) return false;
  modal_ = false;
  ended_ = false;
  return CreateDialogParamA(ProgramModule(), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::DestroyWindow() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

void CDialog::EndDialog(INT_PTR result) {
  result_ = result;
  if (modal_)
    ended_ = true;
  else if (hwnd_ != nullptr)
    ShowWindow(hwnd_, SW_HIDE);
}

bool CDialog::IsWindow() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

bool CDialog::UpdateData(bool saveAndValidate) {
  CFieldExchange fx(*this, saveAndValidate);
  DoDataExchange(fx);
  return !fx.Failed();
}

bool CDialog::PreTranslateMessage(MSG& msg) {
  return filterEnterEscape_ && IsEnterOrEscapeDown(msg) && IsOwnWindow(msg.hwnd);
}

bool CDialog::IsOwnWindow(HWND hwnd) const {
  return hwnd_ != nullptr && (hwnd == hwnd_ || IsChild(hwnd_, hwnd));
}

CDialog* CDialog::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  if (GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc))
    return nullptr;
  return reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

HWND CDialog::Item(int id) const { return GetDlgItem(hwnd_, id); }

std::string CDialog::ItemText(int id) const {
  HWND item = Item(id);
  return item != nullptr ? WindowText(item) : std::string();
}

void CDialog::SetItemText(int id, const std::string& text) {
  SetDlgItemTextA(hwnd_, id, text.c_str());
}

void CDialog::EnableItem(int id, bool enable) {
  if (HWND item = Item(id)) EnableWindow(item, enable ? TRUE : FALSE);
}

bool CDialog::IsItemEnabled(int id) const {
  HWND item = Item(id);
  return item != nullptr && IsWindowEnabled(item);
}

void CDialog::ShowItem(int id, bool show) {
  if (HWND item = Item(id)) ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void CDialog::CheckItem(int id, bool check) {
  CheckDlgButton(hwnd_, id, check ? BST_CHECKED : BST_UNCHECKED);
}

bool CDialog::IsItemChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

std::string CDialog::Caption() const { return hwnd_ != nullptr ? WindowText(hwnd_) : std::string(); }

void CDialog::SetCaption(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

void CDialog::Show(bool show) { ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }

UINT_PTR CDialog::StartTimer(UINT_PTR id, UINT periodMs) { return SetTimer(hwnd_, id, periodMs, nullptr); }

void CDialog::StopTimer(UINT_PTR id) { KillTimer(hwnd_, id); }

bool CDialog::OnInit() {
  UpdateData(false);
  return true;
}

bool CDialog::OnCommand(int, int, HWND) { return false; }
bool CDialog::OnNotify(int, NMHDR*, LRESULT&) { return false; }
void CDialog::OnTimer(UINT_PTR) {}
bool CDialog::OnClose() { return false; }
void CDialog::OnDestroy() {}
bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
void CDialog::DoDataExchange(CFieldExchange&) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

std::string CDialog::ReadField(int id) { return ItemText(id); }

void CDialog::WriteField(int id, const std::string& text) { SetItemText(id, text); }

void CDialog::RefuseField(int id, const std::string& message) {
  ShowMessage(message);
  if (HWND item = Item(id)) {
    SetFocus(item);
    SendMessageA(item, EM_SETSEL, 0, -1);
  }
}

void CDialog::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

void CDialog::Detach() {
  SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  hwnd_ = nullptr;
  ended_ = true;
}

void CDialog::FillInitialLists() {
  HRSRC found = FindResourceA(ProgramModule(), MAKEINTRESOURCEA(templateId_),
                              MAKEINTRESOURCEA(kDialogInitType));
  if (found == nullptr) return;
  HGLOBAL loaded = LoadResource(ProgramModule(), found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return;
  const auto entries = ParseDialogInit(static_cast<const uint8_t*>(data),
                                       SizeofResource(ProgramModule(), found));
  for (const DialogInitEntry& entry : entries)
    if (IsComboAddString(entry.message))
      SendDlgItemMessageA(hwnd_, entry.controlId, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(entry.text.c_str()));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    self->Attach(hwnd);
  } else {
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory();
  } catch (...) {
    // A failed handler has nothing the engineer could act on; the window carries on.
    OutputDebugStringA("HVX40MEK: a dialog handler failed\n");
  }
  return FALSE;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    FillInitialLists();
    return OnInit() ? TRUE : FALSE;
  }
  LRESULT result = 0;
  const bool handled =
      OnMessage(message, wParam, lParam, result) || DispatchStandard(message, wParam, lParam, result);
  if (message == WM_NCDESTROY) Detach();
  if (!handled) return FALSE;
  if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  if (hwnd_ != nullptr) SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

bool CDialog::DispatchStandard(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (lParam == 0 || code == BN_CLICKED) {
        if (id == IDOK) { OnOK(); return true; }
        if (id == IDCANCEL) { OnCancel(); return true; }
      }
      return OnCommand(id, code, reinterpret_cast<HWND>(lParam));
    }
    case WM_NOTIFY: {
      NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
      return OnNotify(static_cast<int>(header->idFrom), header, result);
    }
    case WM_TIMER: OnTimer(wParam); return true;
    case WM_CLOSE: return OnClose();
    case WM_DESTROY: OnDestroy(); return false;
    default: return false;
  }
}

bool RouteDialogMessage(MSG& msg) {
  // Walk from the target to its top-level window; each of our dialogs may swallow the message,
  // and the top-level one (or the first popup) gives it its keyboard navigation, which also
  // covers the child dialogs inside it.
  for (HWND hwnd = msg.hwnd; hwnd != nullptr; hwnd = GetParent(hwnd)) {
    CDialog* dialog = CDialog::FromHandle(hwnd);
    if (dialog != nullptr && dialog->PreTranslateMessage(msg)) return true;
    const bool child = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    if (dialog != nullptr && !child) return IsDialogMessageA(hwnd, &msg) != FALSE;
    if (!child && dialog == nullptr) return false;
  }
  return false;
}
