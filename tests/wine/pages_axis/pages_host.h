// A window of this program that hosts the Axis and Sub pages as the main window would, with a
// controller wrapper that has written out, loaded and bound the embedded library and is
// connected to a freshly started emulator (with a journal, axes 20 times faster).
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../../../service/log/log_window.h"
#include "../../../tool/pages/axis/axis_dlg.h"
#include "../../../tool/pages/sub/sub_dlg.h"
#include "e2e/harness/emulator_process.h"
#include "e2e/harness/journal_file.h"

class CPanelText : public CLogWindow {
 public:
  void ShowText(const std::string& text) override { shown = text; }
  std::string shown;
};

class PagesHostTest : public ::testing::Test {
 protected:
  PagesHostTest();
  void SetUp() override;
  void TearDown() override;

  // Sends a click of the page's button and returns when its handler has returned.
  void Click(CDialog& page, int id);
  std::string Dumped(const std::string& key);
  // The journal lines that begin with the prefix.
  std::vector<std::string> JournalLines(const std::string& prefix);
  void Screenshot(HWND window, const std::string& name);

  CEmulatorProcess emulator;
  CJournalFile journal;
  CPanelText panel;
  HWND host = nullptr;
  std::unique_ptr<CAxisDlg> axis;
  std::unique_ptr<CSubDlg> sub;
};
