// What the main window's logic needs from the window around it: the log, plain message boxes,
// the global key state and the current controller wrapper.
#pragma once

#include <functional>
#include <string>

class CHVXController;

// Records one user action in the log panel and the log files.
class ILogSink {
 public:
  virtual void AddLog(const std::string& text) = 0;
  virtual ~ILogSink() {}
};

// Shows a plain OK-only message box and returns when the engineer closes it.
class IMessageSink {
 public:
  virtual void ShowMessage(const std::string& text) = 0;
  virtual ~IMessageSink() {}
};

// The keyboard as it is right now, whichever window has the focus. Keys are named by their
// virtual-key code, which for letters is the capital letter.
class IKeyState {
 public:
  virtual bool IsKeyDown(int virtualKey) const = 0;
  // Whether the mouse button that clicks (the left one unless the buttons are swapped) is down.
  virtual bool IsClickButtonDown() const = 0;
  virtual ~IKeyState() {}
};

// The device manager replaces the wrapper, so the logic asks for the current one at each use;
// the answer may be null when none could be created.
using ControllerSource = std::function<CHVXController*()>;
