// The main window's tab control and its four pages: built at start-up, one page shown per tab,
// and the pages' machine buttons following the window's connected flag.
#pragma once

#include <windows.h>

#include "dialog/controls.h"
#include "tab_page_set.h"

class CTabPages {
 public:
  explicit CTabPages(CLogDlg& log) : pages_(MakeTabPages(log)) {}

  // Creates the pages over the window, places them, inserts the tabs, gives the pages the tab
  // background and shows the first.
  void Build(HWND window, int tabControlId);

  // Shows the page of the selected tab and hides the others.
  void ShowSelected();

  // Ctrl+Tab (forward) and Ctrl+Shift+Tab: selects the next or previous tab and shows its page.
  // A focus left on the page now hidden moves to the new page's first control.
  void TurnPage(bool forward);

  void EnableMachineControls(bool enable);

  HWND PageWindow(int index) const;

  // The tab control's frame in the window's client coordinates (empty when there is none).
  RECT FrameRect() const;

 private:
  void CreatePages(HWND window);
  void PlacePages();
  void EncloseInTabs(const RECT& pageRect);
  void InsertTabs();
  void ThemePages();

  TabPageSet pages_;
  CTabControl tabs_;
};
