#include "keyboard_navigation.h"

namespace {

const int kTabKey = 0x09;  // VK_TAB

}  // namespace

TabKeyAction TabKeyActionFor(int virtualKey, bool ctrl, bool shift, bool alt) {
  if (virtualKey != kTabKey || alt) return TabKeyAction::kNone;
  if (ctrl) return shift ? TabKeyAction::kPreviousPage : TabKeyAction::kNextPage;
  return shift ? TabKeyAction::kPreviousControl : TabKeyAction::kNextControl;
}

int PageAfter(int current, int pageCount, bool forward) {
  if (pageCount <= 0) return 0;
  if (current < 0 || current >= pageCount) return forward ? 0 : pageCount - 1;
  return (current + (forward ? 1 : pageCount - 1)) % pageCount;
}
