// HVX40ServiceAPI.dll loaded the way the tool loads it: by name, reached only through the six
// exported getters and the tables they return.
#pragma once

#include <windows.h>

#include "hvx40_api.h"

class CServiceLibrary {
 public:
  ~CServiceLibrary() { Unload(); }

  // Loads the library from the program's folder and binds all six getters.
  bool Load();
  void Unload();

  CRemoteConnectAPI* connect = nullptr;
  CRemoteControlAPI* remoteControl = nullptr;
  CRemoteServiceAPI* remoteService = nullptr;
  CHVX40ControlAPI* control = nullptr;
  CHVX40ProductionAPI* production = nullptr;
  CHVX40ServiceAPI* service = nullptr;

 private:
  HMODULE module_ = nullptr;
};
