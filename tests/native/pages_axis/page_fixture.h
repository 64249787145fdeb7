// An idle HVX-40 unless scripted, with one journal of motions, boxes and log lines in order.
#pragma once

#include <gmock/gmock.h>

#include <deque>
#include <string>
#include <vector>

#include "controller/fake_clock.h"
#include "support/fake_hvx_controller.h"
#include "../../../tool/pages/common/machine_wait.h"

using Journal = std::vector<std::string>;

std::string VectorText(const AxisVector& v);
Journal Concat(std::initializer_list<Journal> parts);

class CJournalBoxes : public IPageBoxes {
 public:
  explicit CJournalBoxes(Journal& journal) : journal_(journal) {}
  bool Ask(const std::string& text, bool informationIcon) override;
  void Inform(const std::string& text) override { journal_.push_back("inform: " + text); }
  void Tell(const std::string& text) override { journal_.push_back("tell: " + text); }

  bool answer = true;
  std::vector<std::string> questions;
  bool lastQuestionHadIcon = false;

 private:
  Journal& journal_;
};

struct CJournalLog : ILogSink {
  explicit CJournalLog(Journal& journal) : journal(journal) {}
  void AddLog(const std::string& text) override { journal.push_back("log: " + text); }
  Journal& journal;
};

// The progress box. cancelAtPump presses Cancel during the pump with that number (1 = first).
class CJournalProgressBox : public IProgressBox {
 public:
  explicit CJournalProgressBox(Journal& journal) : journal_(journal) {}
  bool Open(const std::string& text) override;
  void Close() override;
  void PumpMessages() override;
  bool TakeCancelRequest() override;
  void RefreshPage() override { ++refreshes; }

  bool open = false;
  std::string text;
  int pumps = 0;
  int refreshes = 0;
  std::vector<int> cancelAtPumps;

 private:
  Journal& journal_;
  bool cancelRequest_ = false;
};

class PageFixture : public ::testing::Test {
 protected:
  PageFixture();

  // Status answers in turn; the last one repeats.
  void ScriptStatus(std::vector<std::pair<uint32_t, uint32_t>> answers);
  // The entries of the journal that contain any of the given words.
  Journal Entries(std::initializer_list<const char*> words) const;

  Journal journal;
  testing::NiceMock<CFakeHVXController> fake;
  CFakeClock clock;
  CJournalBoxes boxes{journal};
  CJournalLog log{journal};
  CJournalProgressBox box{journal};
  CPageMachine machine{[this] { return static_cast<CHVXController*>(&fake); }};
  CMachineWait wait{machine, clock, boxes};
  AxisVector position{{5000, 6000, -7000, 11, 22, 33}};
  int inputWord = 0x40;
  std::deque<std::pair<uint32_t, uint32_t>> statusScript;
};

constexpr uint32_t kReady = 0x2;
constexpr uint32_t kMoving = 0x802;
