// The progress box of a load check or an ageing run without a window: a progress line on
// standard error (what runs, and the time it has run), written over in place each second on a
// console and once per axis or cycle otherwise; Ctrl+C is its Cancel button.
#pragma once

#include <string>

#include "../library/controller/clock.h"
#include "../service/seams/page_seams.h"
#include "console_output.h"
#include "interrupt.h"

class CRunProgress : public IProgressBox {
 public:
  static constexpr uint32_t kRefreshMs = 1000;

  // name starts each line ("loadcheck", "ageing").
  CRunProgress(IConsole& console, bool quiet, CClock& clock, CInterrupt& interrupt,
               const std::string& name);

  // What runs now ("axis X"); shown at once when a test has opened the box, else when it does.
  void SetStep(const std::string& step);

  bool Open(const std::string& text) override;
  void Close() override;
  void PumpMessages() override {}
  bool TakeCancelRequest() override;
  void RefreshPage() override;
  void ShowCycleCount(int cycles) override;

  // Whether a test reached the machine (opened its box), and whether Ctrl+C stopped one.
  bool Opened() const { return opened_; }
  bool Cancelled() const { return cancelled_; }

 private:
  void Show();

  IConsole& console_;
  bool quiet_;
  CClock& clock_;
  CInterrupt& interrupt_;
  std::string name_;
  std::string step_;
  uint32_t start_;
  uint32_t shownAt_ = 0;
  bool inPlace_;
  bool lineOpen_ = false;
  bool opened_ = false;
  bool cancelled_ = false;
};
