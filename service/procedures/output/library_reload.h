// The firmware installation loads the device service library afresh once the machine has gone
// into update mode, and gives up the wrapper when the installation fails.
#pragma once

#include <functional>

#include "../../../library/controller/clock.h"
#include "../../wrapper/hvx_controller.h"

class ILibraryReload {
 public:
  virtual ~ILibraryReload() {}
  // Unloads and frees the current wrapper, waits, builds a new one and lets it list devices.
  virtual void Reload() = 0;
  // Leaves the tool without a wrapper after a failed installation.
  virtual void Drop() = 0;
};

// Connects a freshly built wrapper where its own start-up cannot: the emulator is reached only
// through ConnectSimulator, which the device manager otherwise does.
using ReconnectHook = std::function<void(CHVXController&)>;

// The reload on the tool's one wrapper (controller_holder.h).
class CHolderLibraryReload : public ILibraryReload {
 public:
  // The machine restarts its interface in update mode; the library is loaded again only after
  // this pause.
  static constexpr uint32_t kReloadPauseMs = 3000;

  CHolderLibraryReload(CClock& clock, ReconnectHook reconnect)
      : clock_(clock), reconnect_(reconnect) {}

  void Reload() override;
  // The failed installation's wrapper is unloaded and freed at once rather than merely
  // forgotten: a forgotten wrapper would keep its library loaded and its file in the temporary
  // folder for the rest of the run. With no wrapper left, the main window's next status refresh
  // opens the device manager, which builds a new one.
  void Drop() override;

 private:
  CClock& clock_;
  ReconnectHook reconnect_;
};
