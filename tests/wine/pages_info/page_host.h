// The Info and Output pages hosted as the main window hosts them, each a child dialog of a
// top-level window with a log panel, working on a real wrapper that the emulator answers
// through ConnectSimulator. Every test starts its own emulator with a journal.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../../../service/log/log_window.h"
#include "../../../tool/pages/info/info_dlg.h"
#include "../../../tool/pages/output/output_dlg.h"
#include "harness/emulator_process.h"
#include "harness/journal_file.h"

// The log panel, remembered as text.
class CRecordingLogWindow : public CLogWindow {
 public:
  void ShowText(const std::string& text) override { shown = text; }
  std::string shown;
};

class PageHostTest : public ::testing::Test {
 protected:
  PageHostTest();

  void SetUp() override;
  void TearDown() override;

  // Clicks a page's button the way the button itself does; returns when the handler is done.
  static void Click(CDialog& page, int id);
  static std::string TemporaryFolder();
  static bool WriteFile(const std::string& path, const std::string& bytes);
  static std::string ReadFile(const std::string& path);
  static std::string Hex(const std::string& bytes);
  // Saves what the window shows as <name>.bmp in the screenshot folder.
  static void Picture(HWND hwnd, const std::string& name);
  // Lets the host and its pages paint: the test's thread only pumps inside the pages' boxes.
  static void PumpFor(DWORD ms);
  // The journal's lines since the mark that begin with the prefix.
  std::vector<std::string> Journalled(const std::string& prefix) const;
  // The log panel, newest entry first; without a log book the entries carry no time stamps.
  std::string LogText() { return logWindow.Panel().Text(); }

  std::vector<std::string> emulatorOptions{"/update-ms", "1500"};
  CJournalFile journal;
  CEmulatorProcess emulator;
  HWND host = nullptr;
  CRecordingLogWindow logWindow;
  std::unique_ptr<CInfoDlg> info;
  std::unique_ptr<COutputDlg> output;
};
