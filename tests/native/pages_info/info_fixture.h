// The windows around the Info and Output pages, recorded: every box, log line, file box, file
// write and progress step lands in one journal, in the order it happened, so that tests check
// texts and order together.
#pragma once

#include <gmock/gmock.h>

#include <map>
#include <string>
#include <vector>

#include "controller/fake_clock.h"
#include "support/fake_hvx_controller.h"
#include "../../../tool/pages/common/page_seams.h"
#include "../../../tool/pages/info/page_files.h"
#include "../../../tool/pages/info/parameter_transfer.h"
#include "../../../tool/pages/info/system_report.h"
#include "../../../tool/pages/output/install_box.h"
#include "../../../tool/ui/main/window_seams.h"

using Journal = std::vector<std::string>;

class CRecordedBoxes : public IPageBoxes {
 public:
  explicit CRecordedBoxes(Journal& journal) : journal_(journal) {}
  bool Ask(const std::string& text, bool informationIcon) override {
    journal_.push_back(std::string(informationIcon ? "ask(i): " : "ask: ") + text);
    return answer;
  }
  void Inform(const std::string& text) override { journal_.push_back("inform: " + text); }
  void Tell(const std::string& text) override { journal_.push_back("tell: " + text); }
  bool answer = true;

 private:
  Journal& journal_;
};

class CRecordedLog : public ILogSink {
 public:
  explicit CRecordedLog(Journal& journal) : journal_(journal) {}
  void AddLog(const std::string& text) override { journal_.push_back("log: " + text); }

 private:
  Journal& journal_;
};

// The file boxes answer with chosenPath, or cancel when it is empty.
class CRecordedFileBoxes : public IFileBoxes {
 public:
  explicit CRecordedFileBoxes(Journal& journal) : journal_(journal) {}
  bool AskOpenPath(const std::string& filter, std::string& path) override;
  bool AskSavePath(const std::string& filter, const std::string& defaultExtension,
                   std::string& path) override;
  void ShowFileError(const std::string& path, FileFault) override {
    journal_.push_back("file error: " + path);
  }
  std::string chosenPath;
  std::string lastFilter;
  std::string lastDefaultExtension = "(none)";

 private:
  Journal& journal_;
};

// Files in memory; a path listed in failing cannot be created or opened.
class CMemoryFiles : public IPageFiles {
 public:
  explicit CMemoryFiles(Journal& journal) : journal_(journal) {}
  FileFault Write(const std::string& path, const void* data, size_t length) override;
  FileFault ReadPrefix(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                       bool& longer) override;
  std::map<std::string, std::vector<uint8_t>> files;
  std::vector<std::string> failing;

 private:
  bool Fails(const std::string& path) const;
  Journal& journal_;
};

class CRecordedViewer : public IReportViewer {
 public:
  explicit CRecordedViewer(Journal& journal) : journal_(journal) {}
  void Show(const std::string& text) override {
    journal_.push_back("viewer");
    shown.push_back(text);
  }
  std::vector<std::string> shown;

 private:
  Journal& journal_;
};

class CRecordedCursor : public IBusyCursor {
 public:
  explicit CRecordedCursor(Journal& journal) : journal_(journal) {}
  void Begin() override { journal_.push_back("cursor: wait"); }
  void End() override { journal_.push_back("cursor: back"); }

 private:
  Journal& journal_;
};

class CRecordedInstallBox : public IInstallBox {
 public:
  explicit CRecordedInstallBox(Journal& journal) : journal_(journal) {}
  bool Open(const std::string& text) override {
    journal_.push_back("box open: " + text);
    return true;
  }
  void SetProgress(int position) override {
    journal_.push_back("bar " + std::to_string(position));
  }
  void SetRange(int low, int high) override {
    journal_.push_back("range " + std::to_string(low) + ".." + std::to_string(high));
  }
  void PumpMessages() override { journal_.push_back("pump"); }
  void Close() override { journal_.push_back("box close"); }

 private:
  Journal& journal_;
};

// The journal entries that start with prefix.
Journal EntriesStartingWith(const Journal& journal, const std::string& prefix);

class InfoPageFixture : public ::testing::Test {
 protected:
  ControllerSource Source() {
    return [this] { return static_cast<CHVXController*>(&fake); };
  }

  Journal journal;
  testing::NiceMock<CFakeHVXController> fake;
  CFakeClock clock;
  CRecordedBoxes boxes{journal};
  CRecordedLog log{journal};
  CRecordedFileBoxes fileBoxes{journal};
  CMemoryFiles files{journal};
  CRecordedViewer viewer{journal};
  CRecordedCursor cursor{journal};
};
