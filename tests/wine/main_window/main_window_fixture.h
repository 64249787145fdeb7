// One run of the tool in simulator mode beside a fresh emulator, with the main window found
// and the ways to read the machine (the emulator's state dump), the window's fields and the log.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../../../tool/resources/resource.h"
#include "harness/emulator_process.h"
#include "../driver/main_window_driver.h"
#include "../driver/tool_session.h"
#include "../driver/window_driver.h"

class MainWindowTest : public ::testing::Test {
 protected:
  static constexpr DWORD kWaitMs = 15000;

  void SetUp() override;
  void TearDown() override;

  // Starts the emulator with the options and the tool, and waits until the window shows the
  // machine ready (the first ticks have run).
  void StartTool(const std::vector<std::string>& emulatorOptions = {});
  // Closes the window as the close box does; the tool's exit code.
  int CloseTool();

  // The emulator's value of key once it equals expected, or the last value seen in the wait.
  std::string WaitForMachine(const std::string& key, const std::string& expected);
  long MachineNumber(const std::string& key);
  std::string WaitForField(int id, const std::string& expected) {
    return WaitForItemText(main_, id, expected, kWaitMs);
  }
  std::string Field(int id) const { return CWindowDriver::ItemText(main_, id); }
  bool IsEnabled(HWND dialog, int id) const { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

  // The messages of the log file, oldest first, without their time stamps.
  std::vector<std::string> LogMessages() const;
  // How often the message stands in the log once it does at least `count` times, or at the end
  // of the wait.
  size_t WaitForLogCount(const std::string& message, size_t count);

  void ChooseStep(int radioId);

  HWND main_ = nullptr;
  CEmulatorProcess emulator_;
  CToolSession tool_;
  std::unique_ptr<CWindowDriver> driver_;
};

// Axes at a fifth of their speed: a High Speed move takes some ten seconds across the travel,
// so that a test can see it running and end it well before the end of travel.
extern const std::vector<std::string> kSlowMachine;

// The title of this version of the program, with no model name reported at index 1.
extern const char* const kMainCaption;
