#include "controller_holder.h"

#include <utility>

namespace {

CHVXController* g_controller = nullptr;
ControllerFactory g_factory;

}  // namespace

void SetControllerFactory(ControllerFactory factory) { g_factory = std::move(factory); }

CHVXController* CurrentController() { return g_controller; }

void ReleaseController() {
  CHVXController* old = g_controller;
  g_controller = nullptr;
  if (old == nullptr) return;
  old->Unload();
  delete old;
}

CHVXController* RenewController() {
  ReleaseController();
  if (g_factory) g_controller = g_factory();
  return g_controller;
}
