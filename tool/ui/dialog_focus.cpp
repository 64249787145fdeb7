#include "dialog_focus.h"

namespace {

bool IsRadioButton(HWND control) {
  return control != nullptr && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// A radio button that takes the focus from the keyboard checks itself, so a Tab must land on the
// button already checked, or walking past a group would change the choice.
HWND CheckedInGroup(HWND control) {
  if (!IsRadioButton(control)) return control;
  HWND dialog = GetParent(control);
  HWND button = control;
  do {
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) return button;
    button = GetNextDlgGroupItem(dialog, button, FALSE);
  } while (button != nullptr && button != control);
  return control;
}

// The first button of a radio group, where the stop of the whole group is; Shift+Tab from any of
// its buttons leaves the group from there.
HWND GroupLeader(HWND control) {
  if (!IsRadioButton(control)) return control;
  HWND leader = control;
  while ((GetWindowLongA(leader, GWL_STYLE) & WS_GROUP) == 0) {
    HWND previous = GetWindow(leader, GW_HWNDPREV);
    if (previous == nullptr) break;
    leader = previous;
  }
  return leader;
}

}  // namespace

// Asked of the dialog rather than left to the focused control, since a multi-line text (the
// log's) keeps Tab to itself.
void MoveDialogFocus(HWND dialog, bool forward) {
  HWND focus = GetFocus();
  if (focus == dialog || !IsChild(dialog, focus)) focus = nullptr;
  HWND from = forward ? focus : GroupLeader(focus);
  HWND next = GetNextDlgTabItem(dialog, from, forward ? FALSE : TRUE);
  if (next == nullptr) return;
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(CheckedInGroup(next)), TRUE);
}
