#include "library_reload.h"

#include "../../wrapper/controller_holder.h"

void CHolderLibraryReload::Reload() {
  ReleaseController();
  clock_.Sleep(kReloadPauseMs);
  CHVXController* controller = RenewController();
  if (controller == nullptr) return;
  if (reconnect_) reconnect_(*controller);
  controller->EnumerateDevices();
}

void CHolderLibraryReload::Drop() { ReleaseController(); }
