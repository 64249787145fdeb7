// The firmware installation's progress without a window: the tool's warning once, then the
// percentage on standard error, written over in place on a console and one line per change
// otherwise (a log of a script run then shows how far the installation came).
#pragma once

#include <string>

#include "../service/seams/install_box.h"
#include "console_output.h"

class CProgressLine : public IInstallBox {
 public:
  CProgressLine(IConsole& console, bool quiet) : console_(console), quiet_(quiet) {}

  bool Open(const std::string& text) override;
  void SetProgress(int position) override;
  void SetRange(int low, int high) override;
  void PumpMessages() override {}
  void Close() override;

  // Whether the installation got as far as opening its box (the machine was asked).
  bool Opened() const { return opened_; }

 private:
  IConsole& console_;
  bool quiet_;
  bool opened_ = false;
  bool inPlace_ = false;
  int low_ = 0;
  int high_ = 100;
  int shown_ = -1;
};
