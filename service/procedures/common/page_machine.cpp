#include "page_machine.h"

#include "../../status/input_word.h"
#include "../../status/job_readiness.h"
#include "../../wrapper/hvx_controller.h"

namespace {

// Calls op on the current wrapper, or answers none when there is no wrapper.
template <class Result, class Op>
Result WithController(const ControllerSource& source, Result none, Op op) {
  CHVXController* controller = source ? source() : nullptr;
  return controller != nullptr ? op(*controller) : none;
}

}  // namespace

bool CPageMachine::ReadStatus(MachineStatus& status) {
  MachineStatus read{};
  const bool ok = WithController(source_, false, [&](CHVXController& c) {
    return c.GetStatus(&read.stateWord, &read.handshakeWord) != 0;
  });
  if (ok) status = read;
  return ok;
}

bool CPageMachine::GetCurrentPosition(AxisVector& position) {
  return WithController(source_, false,
                        [&](CHVXController& c) { return c.GetCurrentPosition(&position); });
}

bool CPageMachine::MoveTo(const AxisVector& target, int speed) {
  return WithController(source_, false,
                        [&](CHVXController& c) { return c.MoveTo(&target, speed); });
}

bool CPageMachine::MoveAxis(int axis, int target, int speed, int currentPercent) {
  return WithController(source_, false, [&](CHVXController& c) {
    switch (axis) {
      case kAxisX: return c.MoveAxisX(target, speed, currentPercent);
      case kAxisY: return c.MoveAxisY(target, speed, currentPercent);
      case kAxisZ: return c.MoveAxisZ(target, speed, currentPercent);
      default: return false;
    }
  });
}

int CPageMachine::GetInputState() {
  return WithController(source_, input_word::kReadFailed,
                        [](CHVXController& c) { return c.GetInputState(); });
}

bool CPageMachine::StopMotion() {
  return WithController(source_, false, [](CHVXController& c) { return c.StopMotion(); });
}

bool CPageMachine::SetSpindleSpeed(int rpm) {
  return WithController(source_, false, [&](CHVXController& c) { return c.SetSpindleSpeed(rpm); });
}

bool CPageMachine::GetUserCompensation(int& x, int& y, int& z) {
  return WithController(source_, false,
                        [&](CHVXController& c) { return c.GetUserCompensation(&x, &y, &z); });
}

bool CPageMachine::SetUserCompensation(int x, int y, int z) {
  return WithController(source_, false,
                        [&](CHVXController& c) { return c.SetUserCompensation(x, y, z) != 0; });
}

bool CPageMachine::OutputFile(const std::string& path, const std::string& jobName) {
  return WithController(source_, false, [&](CHVXController& c) {
    const char* pathText = path.c_str();
    return c.OutputFile(&pathText, jobName.c_str());
  });
}

std::string CPageMachine::DeviceName() {
  const char* name = WithController(source_, static_cast<const char*>(nullptr),
                                    [](CHVXController& c) { return c.GetDeviceNameAt(1); });
  return name != nullptr ? name : "";
}

bool CPageMachine::MayStartJob() {
  MachineStatus status{};
  return !ReadStatus(status) || IsReadyForJob(status.stateWord);
}
