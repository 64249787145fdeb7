// An idle HVX-40 unless scripted, with one journal of motions, boxes and log lines in order.
#pragma once

#include <gmock/gmock.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "../../../service/procedures/common/machine_wait.h"
#include "controller/fake_clock.h"
#include "support/fake_hvx_controller.h"

using Journal = std::vector<std::string>;

inline Journal Concat(std::initializer_list<Journal> parts) {
  Journal all;
  for (const Journal& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct CJournalBoxes : IPageBoxes {
  explicit CJournalBoxes(Journal& journal) : journal(journal) {}
  bool Ask(const std::string& text, bool informationIcon) override {
    questions.push_back(text);
    lastQuestionHadIcon = informationIcon;
    journal.push_back(std::string("ask: ") + (answer ? "yes" : "no"));
    return answer;
  }
  bool AskDefaultNo(const std::string& text) override {
    questions.push_back(text);
    journal.push_back(std::string("ask, default No: ") + (answer ? "yes" : "no"));
    return answer;
  }
  void Inform(const std::string& text) override { journal.push_back("inform: " + text); }
  void Tell(const std::string& text) override { journal.push_back("tell: " + text); }
  Journal& journal;
  bool answer = true;
  std::vector<std::string> questions;
  bool lastQuestionHadIcon = false;
};

struct CJournalLog : ILogSink {
  explicit CJournalLog(Journal& journal) : journal(journal) {}
  void AddLog(const std::string& text) override { journal.push_back("log: " + text); }
  Journal& journal;
};

// cancelAtPumps presses Cancel during the pumps with those numbers (1 = first).
struct CJournalProgressBox : IProgressBox {
  explicit CJournalProgressBox(Journal& journal) : journal(journal) {}
  bool Open(const std::string& boxText) override {
    open = true;
    text = boxText;
    journal.push_back("box open");
    return true;
  }
  void Close() override {
    if (open) journal.push_back("box close");
    open = false;
  }
  void PumpMessages() override {
    ++pumps;
    for (int at : cancelAtPumps) cancelRequest |= at == pumps;
  }
  bool TakeCancelRequest() override { return std::exchange(cancelRequest, false); }
  void RefreshPage() override { ++refreshes; }
  void ShowCycleCount(int cycles) override { cycleCounts.push_back(cycles); }
  Journal& journal;
  bool open = false, cancelRequest = false;
  std::string text;
  int pumps = 0, refreshes = 0;
  std::vector<int> cancelAtPumps;
  std::vector<int> cycleCounts;
};

class PageFixture : public ::testing::Test {
 protected:
  PageFixture();
  // Status answers in turn; the last one repeats.
  void ScriptStatus(std::vector<std::pair<uint32_t, uint32_t>> answers) {
    statusScript.assign(answers.begin(), answers.end());
  }
  // The entries of the journal that contain any of the given words.
  Journal Entries(std::initializer_list<const char*> words) const {
    Journal selected;
    for (const std::string& entry : journal)
      for (const char* word : words)
        if (entry.find(word) != std::string::npos) {
          selected.push_back(entry);
          break;
        }
    return selected;
  }

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
  // Status reads are journalled as "status" (repeats squeezed into one) when asked for.
  bool journalStatus = false;
  std::deque<std::pair<uint32_t, uint32_t>> statusScript;
};

constexpr uint32_t kReady = 0x2;
constexpr uint32_t kMoving = 0x802;
