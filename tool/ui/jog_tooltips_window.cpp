#include "jog_tooltips_window.h"

#include "main/jog_tooltips.h"
#include "main/main_control_ids.h"

namespace {

// The hidden rotary and B buttons get tools as well, so that they explain themselves should they
// ever be shown; the B buttons simply have no text.
const int kJogButtons[] = {IDC_MAIN_JOG_X_PLUS, IDC_MAIN_JOG_X_MINUS, IDC_MAIN_JOG_Y_PLUS,
                           IDC_MAIN_JOG_Y_MINUS, IDC_MAIN_JOG_Z_PLUS, IDC_MAIN_JOG_Z_MINUS,
                           IDC_MAIN_JOG_A_PLUS, IDC_MAIN_JOG_A_MINUS};

void AddTool(HWND tooltip, HWND dialog, HWND button) {
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

CJogTooltips::~CJogTooltips() {
  if (tooltip_ != nullptr && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool CJogTooltips::Create(HWND dialog) {
  tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  if (tooltip_ == nullptr) return false;
  for (int id : kJogButtons) {
    if (HWND button = GetDlgItem(dialog, id)) AddTool(tooltip_, dialog, button);
  }
  SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
  return true;
}

bool CJogTooltips::AnswerTextRequest(NMHDR* header) {
  if (header->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    if (!(info->uFlags & TTF_IDISHWND)) return false;
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom));
    const char* text = JogTooltipText(id);
    // The tooltip copies the text before the next request; the texts are constants anyway.
    info->lpszText = const_cast<char*>(text != nullptr ? text : "");
    info->hinst = nullptr;
    return true;
  }
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    if (!(info->uFlags & TTF_IDISHWND)) return false;
    const char* text = JogTooltipText(GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    MultiByteToWideChar(CP_ACP, 0, text != nullptr ? text : "", -1, info->szText,
                        sizeof info->szText / sizeof info->szText[0]);
    info->lpszText = info->szText;
    info->hinst = nullptr;
    return true;
  }
  return false;
}
