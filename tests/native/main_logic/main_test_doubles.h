#pragma once

#include <set>
#include <string>
#include <vector>

#include "../../../service/seams/window_seams.h"
#include "jog_steps.h"
#include "support/fake_hvx_controller.h"

struct CRecordingLog : ILogSink {
  void AddLog(const std::string& text) override { lines.push_back(text); }
  std::vector<std::string> lines;
};

struct CRecordingMessages : IMessageSink {
  void ShowMessage(const std::string& text) override {
    shown.push_back(text);
    if (onShow) onShow();
  }
  std::vector<std::string> shown;
  std::function<void()> onShow;  // runs while the "box" is open
};

struct CFakeKeys : IKeyState {
  bool IsKeyDown(int virtualKey) const override { return down.count(virtualKey) != 0; }
  bool IsClickButtonDown() const override { return mouseDown; }
  std::set<int> down;
  bool mouseDown = true;
};

inline StepRadios OneStep() { return {true, false, false, false, false}; }
inline StepRadios TenStep() { return {false, true, false, false, false}; }
inline StepRadios HundredStep() { return {false, false, true, false, false}; }
inline StepRadios LowSpeed() { return {false, false, false, true, false}; }
inline StepRadios HighSpeed() { return {false, false, false, false, true}; }
inline StepRadios NoneChecked() { return {false, false, false, false, false}; }

constexpr uint32_t kReady = 0x2;
constexpr uint32_t kReadyMoving = 0x2 | 0x800;
constexpr uint32_t kCoverOpen = 0x20000;
