// The windows around the Info and Output pages: every box, log line, file write, cursor change
// and progress step lands in one journal, in order.
#pragma once

#include <gmock/gmock.h>

#include <map>
#include <string>
#include <vector>

#include "../../../service/procedures/info/parameter_transfer.h"
#include "../../../service/procedures/info/system_report.h"
#include "../../../service/seams/install_box.h"
#include "../../../service/seams/page_files.h"
#include "../../../service/seams/page_seams.h"
#include "../../../service/seams/window_seams.h"
#include "controller/fake_clock.h"
#include "support/fake_hvx_controller.h"

using Journal = std::vector<std::string>;

// The file boxes answer with chosenPath, or cancel when it is empty; questions get answer.
class CRecordedWindows : public IPageBoxes, public ILogSink, public IFileBoxes,
                         public IReportViewer, public IBusyCursor, public IInstallBox {
 public:
  bool Ask(const std::string& text, bool informationIcon) override;
  bool AskDefaultNo(const std::string& text) override;
  void Inform(const std::string& text) override { Note("inform: " + text); }
  void Tell(const std::string& text) override { Note("tell: " + text); }
  void AddLog(const std::string& text) override { Note("log: " + text); }
  bool AskOpenPath(const std::string& filter, std::string& path) override;
  bool AskSavePath(const std::string& filter, const std::string& defaultExtension,
                   std::string& path) override;
  void ShowFileError(const std::string& path, FileFault) override { Note("file error: " + path); }
  void Show(const std::string& text) override;
  void Begin() override { Note("cursor: wait"); }
  void End() override { Note("cursor: back"); }
  bool Open(const std::string& text) override;
  void SetProgress(int position) override { Note("bar " + std::to_string(position)); }
  void SetRange(int low, int high) override;
  void PumpMessages() override { Note("pump"); }
  void Close() override { Note("box close"); }

  void Note(const std::string& entry) { journal.push_back(entry); }

  Journal journal;
  bool answer = true;
  std::string chosenPath;
  std::string lastFilter;
  std::string lastDefaultExtension = "(none)";
  std::vector<std::string> shownReports;
};

// Files in memory; a path listed in failing cannot be created or opened.
class CMemoryFiles : public IPageFiles {
 public:
  explicit CMemoryFiles(CRecordedWindows& windows) : windows_(windows) {}
  FileFault Write(const std::string& path, const void* data, size_t length) override;
  FileFault ReadPrefix(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                       bool& longer) override;
  std::map<std::string, std::vector<uint8_t>> files;
  std::vector<std::string> failing;

 private:
  bool Fails(const std::string& path) const;
  CRecordedWindows& windows_;
};

// The journal entries that start with prefix.
Journal EntriesStartingWith(const Journal& journal, const std::string& prefix);

class InfoPageFixture : public ::testing::Test {
 protected:
  ControllerSource Source() {
    return [this] { return static_cast<CHVXController*>(&fake); };
  }

  CRecordedWindows windows;
  Journal& journal = windows.journal;
  testing::NiceMock<CFakeHVXController> fake;
  CFakeClock clock;
  CMemoryFiles files{windows};
};
