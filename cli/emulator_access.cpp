#include "emulator_access.h"

#include <algorithm>

#include "../service/wrapper/hvx_all_ctr.h"

bool CEmulatorAccess::ListMachines(std::vector<std::string>& names) {
  std::vector<std::string> running;
  if (!running_ || !running_(running)) return false;
  std::sort(running.begin(), running.end());
  running.erase(std::unique(running.begin(), running.end()), running.end());
  if (running.empty()) running.push_back(kModelName);
  names.insert(names.end(), running.begin(), running.end());
  return true;
}

bool CEmulatorAccess::Open(CHVXController& controller, const std::string& name) {
  return controller.ConnectSimulatorNamed(name.c_str(), 0);
}
