// The installation box as the firmware installation drives it. While it is open the main window
// is disabled, so no other command of the tool can start; the engineer cannot cancel.
#pragma once

#include <string>

class IInstallBox {
 public:
  virtual ~IInstallBox() {}
  // Shows the box with the text; false when it cannot be created (the installation goes on).
  virtual bool Open(const std::string& text) = 0;
  virtual void SetProgress(int position) = 0;
  virtual void SetRange(int low, int high) = 0;
  // Dispatches the window messages that are waiting, the box's key filter first.
  virtual void PumpMessages() = 0;
  // Destroys the box and enables the main window again; harmless when it is not open.
  virtual void Close() = 0;
};

// The warning the box shows for the whole installation.
extern const char kInstallWarningText[];
