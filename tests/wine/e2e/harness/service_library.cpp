#include "service_library.h"

#include <string>

#include "emulator_process.h"

namespace {

template <typename Table>
Table* Bind(HMODULE module, const char* getter) {
  typedef Table* (*Getter)();
  Getter get = reinterpret_cast<Getter>(reinterpret_cast<void*>(GetProcAddress(module, getter)));
  return get ? get() : nullptr;
}

}  // namespace

bool CServiceLibrary::Load() {
  Unload();
  module_ = LoadLibraryA((ProgramFolder() + "HVX40ServiceAPI.dll").c_str());
  if (!module_) return false;
  connect = Bind<CRemoteConnectAPI>(module_, "GetRemoteConnectAPI");
  remoteControl = Bind<CRemoteControlAPI>(module_, "GetRemoteControlAPI");
  remoteService = Bind<CRemoteServiceAPI>(module_, "GetRemoteServiceAPI");
  control = Bind<CHVX40ControlAPI>(module_, "GetHVX40ControlAPI");
  production = Bind<CHVX40ProductionAPI>(module_, "GetHVX40ProductionAPI");
  service = Bind<CHVX40ServiceAPI>(module_, "GetHVX40ServiceAPI");
  return connect && remoteControl && remoteService && control && production && service;
}

void CServiceLibrary::Unload() {
  if (!module_) return;
  if (connect) connect->Disconnect();
  FreeLibrary(module_);
  module_ = nullptr;
  connect = nullptr;
  remoteControl = nullptr;
  remoteService = nullptr;
  control = nullptr;
  production = nullptr;
  service = nullptr;
}
