// What the main window's tests do beyond finding windows and clicking: real mouse presses held
// on a button, key chords held down, the radio and check boxes, the tab pages, and waiting for a
// field to show a text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Presses the left mouse button over a control and keeps it down until Release or destruction.
class CHeldMouse {
 public:
  explicit CHeldMouse(HWND control);
  ~CHeldMouse() { Release(); }
  void Release();

 private:
  bool down_ = false;
};

// Holds the keys (virtual-key codes, capital letters) down until Release or destruction, so
// that a failing test never leaves a key stuck for the next one.
class CHeldKeys {
 public:
  explicit CHeldKeys(const std::vector<WORD>& keys);
  ~CHeldKeys() { Release(); }
  void Release();

 private:
  std::vector<WORD> keys_;
};

// The text of the control once it equals expected, or the last text seen within the wait.
std::string WaitForItemText(HWND dialog, int id, const std::string& expected, DWORD timeoutMs);

// Selects a radio button or toggles a check box as a click on it does. Posted, so that a box
// the click brings up cannot hold the test.
void PostButtonClick(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);

// The page among the window's child dialogs that shows the given group box title.
HWND FindPage(HWND mainWindow, const std::string& groupTitle);
// Chooses a tab as the engineer's click on it does.
void SelectTab(HWND tabControl, int index);

// Saves the whole screen as build/<tree>/screenshots/main-<name>.bmp.
void TakeScreenshot(const std::string& name);
