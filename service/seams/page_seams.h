// What the pages' long operations need from the windows around them: the engineer's boxes and
// the modeless progress box with its Cancel button. The machine, the log and the clock come
// through their own seams (page_machine.h, window_seams.h, clock.h).
#pragma once

#include <string>

// The plain boxes a page shows. Each returns when the engineer has closed it.
class IPageBoxes {
 public:
  virtual ~IPageBoxes() {}
  // A question with Yes and No; true for Yes.
  virtual bool Ask(const std::string& text, bool informationIcon = false) = 0;
  // A question whose Yes changes the machine's stored data, with the information icon: No is the
  // default button, so that a stray Enter changes nothing. True for Yes.
  virtual bool AskDefaultNo(const std::string& text) = 0;
  // An announcement of success or of a cancel, with the information icon.
  virtual void Inform(const std::string& text) = 0;
  // A failure or a refusal the engineer must see: no icon, OK only.
  virtual void Tell(const std::string& text) = 0;
};

// The progress box that a long test shows while it runs, with the time the test has taken so far.
// The test's handler does not return until the test ends, so this box is also the test's only
// way to keep the windows alive.
class IProgressBox {
 public:
  virtual ~IProgressBox() {}
  // Shows the box with the text; false when it cannot be created (the test runs on without it).
  virtual bool Open(const std::string& text) = 0;
  // Destroys the box's window; harmless when it is already gone.
  virtual void Close() = 0;
  // Dispatches the window messages that are waiting, the box's own key filter first.
  virtual void PumpMessages() = 0;
  // True once after the engineer pressed Cancel or the close box; the request is cleared.
  virtual bool TakeCancelRequest() = 0;
  // Shows the page's held values in its fields again.
  virtual void RefreshPage() = 0;
  // Shows how many cycles a repeating test has completed, beside the time it has run.
  virtual void ShowCycleCount(int cycles) = 0;
};
