// The engineer at the keyboard while a page's handler runs on the test's thread: a helper thread
// answers every message box (Yes to questions, OK otherwise), remembers their texts, and runs the
// test's own action every 20 ms to press buttons in the tool's boxes.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CPageRobot {
 public:
  // action runs on the helper thread; it is told the thread whose windows to look at.
  explicit CPageRobot(std::function<void(DWORD uiThread)> action = nullptr);
  ~CPageRobot();

  std::vector<std::string> BoxTexts();

 private:
  void Watch(DWORD uiThread);
  bool AnswerMessageBox(DWORD uiThread);

  std::function<void(DWORD)> action_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread helper_;
};

// A visible top-level window of the thread with this caption, or null.
HWND FindBox(DWORD thread, const std::string& caption);
std::string WindowTextOf(HWND hwnd);
// Clicks a button of a dialog the way the button itself would tell its dialog.
void ClickButton(HWND dialog, int id);
