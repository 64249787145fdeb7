// Drives another program's windows the way an engineer would: finds its dialogs by caption,
// presses their buttons, and reads their texts and list rows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CWindowDriver {
 public:
  explicit CWindowDriver(HANDLE process) : process_(process), processId_(GetProcessId(process)) {}

  // The visible top-level window of the program with that caption, waiting at most timeoutMs.
  HWND WaitForWindow(const std::string& caption, DWORD timeoutMs) const;
  HWND FindWindowByCaption(const std::string& caption) const;
  // A message box (or any dialog) of the program that shows the given text.
  HWND WaitForBoxWithText(const std::string& text, DWORD timeoutMs) const;
  // Waits until the window is gone.
  bool WaitUntilGone(HWND window, DWORD timeoutMs) const;

  // A click on the button with that id, delivered as the button itself would report it.
  static void Click(HWND dialog, int id);
  static std::string Text(HWND window);
  static std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
  static std::vector<std::string> ChildTexts(HWND window);

  // The visible list view of the dialog, and its rows cell by cell.
  static HWND VisibleList(HWND dialog);
  std::vector<std::vector<std::string>> ListRows(HWND list, int columns) const;

 private:
  std::string ListCell(HWND list, int row, int column) const;

  HANDLE process_;
  DWORD processId_;
};
