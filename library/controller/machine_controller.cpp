#include "machine_controller.h"

#include <cstdint>

#include "command_codes.h"
#include "transport_lock.h"

namespace {

constexpr uint16_t kNoProtocol = 0xFFFF;
constexpr uint16_t kProtocolCheckSize = 4;

OsHandle WindowFromInt(int windowHandle) {
  return reinterpret_cast<OsHandle>(static_cast<intptr_t>(windowHandle));
}

}  // namespace

CMachineController::CMachineController(const std::string& modelName)
    : CCommandProtocol(&usb_, SystemClock()),
      modelName_(modelName),
      usb_(nullptr),
      current_(&usb_) {}

CMachineController::CMachineController(const std::string& modelName, CUsbSystem& usbSystem,
                                       CSimulatorIpc& simulatorIpc, CClock& clock)
    : CCommandProtocol(&usb_, clock),
      modelName_(modelName),
      simulator_(usbSystem, simulatorIpc),
      usb_(nullptr, usbSystem),
      current_(&usb_) {}

CMachineController::~CMachineController() {}

int CMachineController::EnumerateDevices() {
  return current_->EnumerateDevices(modelName_.c_str(), false);
}

const char* CMachineController::GetDeviceName() { return current_->GetDeviceName(); }

const char* CMachineController::GetDeviceNameAt(int index) {
  return current_->GetDeviceNameAt(static_cast<unsigned>(index));
}

bool CMachineController::GetDeviceId(std::string& out) { return current_->ReadDeviceId(out); }

bool CMachineController::Connect(const std::string& name) {
  current_->SetDeviceName(name);
  return OpenAndCheckProtocol();
}

bool CMachineController::OpenAndCheckProtocol() {
  if (!current_->Open()) return false;
  if (CheckProtocol() == kProtocolId) return true;
  current_->Close();
  return false;
}

// The machine answers its protocol identifier and a marker written in its own byte order; a
// marker that arrives changed means every later 16- and 32-bit field needs swapping. The
// identifier itself is read as it arrives.
uint16_t CMachineController::CheckProtocol() {
  TransportLock lock(transport_);
  if (!lock.locked()) return kNoProtocol;
  uint8_t answer[kProtocolCheckSize];
  if (transport_->VendorRead(kCmdProtocolCheck, answer, kProtocolCheckSize) != kProtocolCheckSize) {
    return kNoProtocol;
  }
  const uint16_t identifier = static_cast<uint16_t>(answer[0] | (answer[1] << 8));
  const uint16_t marker = static_cast<uint16_t>(answer[2] | (answer[3] << 8));
  swapBytes_ = marker != kSameOrderMarker;
  return identifier;
}

void CMachineController::Disconnect() {
  SwitchTo(usb_);
  usb_.Close();
}

CUsbPrintTransport* CMachineController::SwitchTo(CUsbPrintTransport& next) {
  CUsbPrintTransport* previous = current_;
  previous->Close();
  current_ = &next;
  transport_ = &next;
  return previous;
}

// With a window the tool keeps the simulator selected after a failure, so that a simulator
// started later is found by the next connect; without one the previous transport comes back.
bool CMachineController::ConnectSimulator(int windowHandle) {
  return ConnectSimulatorNamed(modelName_, windowHandle);
}

// The simulator's block, its events and the per-device lock are all named after the device, so
// a connection to one simulator never touches another.
bool CMachineController::ConnectSimulatorNamed(const std::string& deviceName, int windowHandle) {
  simulator_.SetOwnerWindow(WindowFromInt(windowHandle));
  CUsbPrintTransport* previous = SwitchTo(simulator_);
  if (Connect(deviceName)) return true;
  if (windowHandle == 0 && previous) SwitchTo(*previous);
  return false;
}
