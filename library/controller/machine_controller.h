// The one controller through which every API table reaches a machine. It owns the two ways to a
// machine, the USB printer-class transport and the simulator transport, and switches between
// them; the command channel it inherits does the talking.
#pragma once

#include <string>

#include "../transport/simulator_transport.h"
#include "../transport/usb_print_transport.h"
#include "command_protocol.h"

class CSimulatorIpc;

class CMachineController : public CCommandProtocol {
 public:
  explicit CMachineController(const std::string& modelName);  // system services, SystemClock()
  CMachineController(const std::string& modelName, CUsbSystem& usbSystem,
                     CSimulatorIpc& simulatorIpc, CClock& clock);  // tests
  ~CMachineController() override;

  int EnumerateDevices() override;
  const char* GetDeviceName() override;
  const char* GetDeviceNameAt(int index) override;
  bool Connect(const std::string& name) override;
  void Disconnect() override;
  bool ConnectSimulator(int windowHandle) override;
  bool ConnectSimulatorNamed(const std::string& deviceName, int windowHandle) override;
  bool GetDeviceId(std::string& out) override;

  const std::string& modelName() const { return modelName_; }
  CUsbPrintTransport& usb() { return usb_; }
  CSimulatorTransport& simulator() { return simulator_; }
  // The transport in use: always one of the two members.
  CUsbPrintTransport& current() { return *current_; }

 private:
  // The protocol identifier this library speaks, and the marker that arrives unchanged when
  // the machine's byte order is the host's.
  static constexpr uint16_t kProtocolId = 1;
  static constexpr uint16_t kSameOrderMarker = 0x1234;

  bool OpenAndCheckProtocol();
  uint16_t CheckProtocol();
  CUsbPrintTransport* SwitchTo(CUsbPrintTransport& next);

  std::string modelName_;
  CSimulatorTransport simulator_;
  CUsbPrintTransport usb_;
  CUsbPrintTransport* current_;
};
