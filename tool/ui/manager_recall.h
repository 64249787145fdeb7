// When the main window opens the device manager by itself. Without a controller wrapper (after
// a failed firmware installation drops it) the status refresh brings up the device manager so
// that the engineer can connect again; the manager's own closing refreshes the status once more,
// which must not open it a second time, and a manager that left no wrapper behind is not forced
// on the engineer every 500 ms.
#pragma once

class CManagerRecall {
 public:
  // Whether a status refresh that finds the wrapper missing (or present) should run the Device
  // Manager action first.
  bool ShouldOpen(bool wrapperExists);

  // Around every Device Manager action, the engineer's own included.
  void ActionStarted(bool byEngineer);
  void ActionEnded(bool wrapperExists);

 private:
  bool inAction_ = false;
  bool automatic_ = false;
  bool gaveUp_ = false;
};
