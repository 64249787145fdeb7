#include "tab_pages.h"

#include <uxtheme.h>

#include "main/keyboard_navigation.h"
#include "main/main_control_ids.h"

namespace {

const char* const kTabTitles[kTabPageCount] = {"Info", "Axis", "Output", "Sub"};
// The pages sit right of the status boxes and below the jog controls, inside the tab control.
const int kPageLeft = 300;
const int kPageTop = 220;

template <size_t N>
void EnableItems(HWND page, const std::array<int, N>& ids, bool enable) {
  for (int id : ids) {
    if (HWND item = GetDlgItem(page, id)) EnableWindow(item, enable ? TRUE : FALSE);
  }
}

}  // namespace

void CTabPages::Build(HWND window, int tabControlId) {
  PrepareTabPages(window);
  tabs_.Attach(GetDlgItem(window, tabControlId));
  // Each step serves the engineer on its own: a page that cannot be made leaves its tab empty,
  // and tabs or backgrounds that fail still leave the other pages usable.
  CreatePages(window);
  PlacePages();
  InsertTabs();
  ThemePages();
  ShowSelected();
}

void CTabPages::CreatePages(HWND window) {
  for (auto& page : pages_) page->Create(window);
}

void CTabPages::PlacePages() {
  RECT client{};
  bool sized = false;
  for (auto& page : pages_) {
    // The Info page gives the size; should it be missing, the next page that exists does.
    if (page->IsWindow() && GetClientRect(page->Handle(), &client)) {
      sized = true;
      break;
    }
  }
  if (!sized) return;
  for (auto& page : pages_) {
    if (!page->IsWindow()) continue;
    MoveWindow(page->Handle(), client.left + kPageLeft, client.top + kPageTop,
               client.right - client.left, client.bottom - client.top, FALSE);
    // Above the tab control, whatever order the windows were made in.
    SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW);
  }
  RECT pageRect{client.left + kPageLeft, client.top + kPageTop, client.right + kPageLeft,
                client.bottom + kPageTop};
  EncloseInTabs(pageRect);
}

// The pages keep their fixed offset while the tab control is sized by the window's font, so
// with small fonts a page would hang out of the tab frame; the frame grows around it instead.
void CTabPages::EncloseInTabs(const RECT& pageRect) {
  HWND tabs = tabs_.Handle();
  if (tabs == nullptr) return;
  RECT needed = pageRect;
  SendMessageA(tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&needed));
  RECT frame = FrameRect();
  UnionRect(&frame, &frame, &needed);
  SetWindowPos(tabs, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

RECT CTabPages::FrameRect() const {
  RECT frame{};
  HWND tabs = tabs_.Handle();
  if (tabs == nullptr) return frame;
  GetWindowRect(tabs, &frame);
  MapWindowPoints(nullptr, GetParent(tabs), reinterpret_cast<POINT*>(&frame), 2);
  return frame;
}

void CTabPages::InsertTabs() {
  if (tabs_.Handle() == nullptr) return;
  for (int index = 0; index < kTabPageCount; ++index) {
    if (!tabs_.InsertTab(index, kTabTitles[index])) return;
  }
}

void CTabPages::ThemePages() {
  for (auto& page : pages_) {
    if (!page->IsWindow()) continue;
    // The tab background is looks only: a page that refuses it stays plain, and so do the rest.
    if (FAILED(EnableThemeDialogTexture(page->Handle(), ETDT_ENABLETAB))) return;
  }
}

void CTabPages::ShowSelected() {
  int selected = tabs_.Handle() != nullptr ? tabs_.Selection() : 0;
  if (selected < 0) selected = 0;
  for (int index = 0; index < kTabPageCount; ++index) {
    if (pages_[index]->IsWindow()) pages_[index]->Show(index == selected);
  }
  if (tabs_.Handle() != nullptr) tabs_.Enable(true);
}

void CTabPages::TurnPage(bool forward) {
  if (tabs_.Handle() == nullptr) return;
  const int before = tabs_.Selection();
  HWND oldPage = PageWindow(before);
  const bool focusOnOldPage = oldPage != nullptr && IsChild(oldPage, GetFocus());
  tabs_.Select(PageAfter(before, kTabPageCount, forward));
  ShowSelected();
  if (!focusOnOldPage) return;
  HWND newPage = PageWindow(tabs_.Selection());
  HWND first = newPage != nullptr ? GetNextDlgTabItem(newPage, nullptr, FALSE) : nullptr;
  SetFocus(first != nullptr ? first : tabs_.Handle());
}

void CTabPages::EnableMachineControls(bool enable) {
  EnableItems(PageWindow(0), main_ids::kInfoPageMachineControls, enable);
  EnableItems(PageWindow(1), main_ids::kAxisPageMachineControls, enable);
  EnableItems(PageWindow(2), main_ids::kOutputPageMachineControls, enable);
  EnableItems(PageWindow(3), main_ids::kSubPageMachineControls, enable);
}

HWND CTabPages::PageWindow(int index) const {
  if (index < 0 || index >= kTabPageCount) return nullptr;
  return pages_[index]->IsWindow() ? pages_[index]->Handle() : nullptr;
}
