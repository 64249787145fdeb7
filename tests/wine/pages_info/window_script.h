// Plays the engineer's part while a page's handler runs on the test's own thread: a helper
// thread waits for each expected window of that thread in turn (a message box, a file box, one
// of the tool's boxes), records what it showed and answers it.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct ScriptStep {
  std::string what;                       // named in the failure message
  std::function<bool(HWND)> matches;      // a visible top-level window of the test's thread
  std::function<void(HWND)> act;
  bool revisit = false;                   // may match a window an earlier step answered
};

class CWindowScript {
 public:
  // Starts watching the calling thread's windows at once.
  explicit CWindowScript(std::vector<ScriptStep> steps);
  ~CWindowScript();

  // Waits for the helper; empty when every step ran, else the step that never came.
  std::string Finish();

 private:
  void Run(DWORD threadId);
  HWND WaitFor(DWORD threadId, const ScriptStep& step);

  std::vector<ScriptStep> steps_;
  std::set<HWND> answered_;
  std::string missing_;
  std::thread helper_;
};

std::string WindowText(HWND hwnd);

// A message box: its text is kept in *text, then the button is pressed.
ScriptStep AnswerMessageBox(int button, std::string* text);
// The common open or save box: the path is typed in and the box confirmed.
ScriptStep ChooseFile(const std::string& path);
// One of the tool's own windows, found by its caption.
ScriptStep OnWindow(const std::string& caption, std::function<void(HWND)> act);
