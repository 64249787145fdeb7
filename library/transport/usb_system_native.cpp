// The host build has no printer-class driver, spooler or named mutex: every service fails, so
// a transport built there never opens a device.
#include "usb_system.h"

namespace {

class CNoUsbSystem : public CUsbSystem {
 public:
  OsHandle CreateNamedMutex(const std::string&) override { return nullptr; }
  MutexWait WaitMutex(OsHandle, uint32_t) override { return MutexWait::kFailed; }
  bool ReleaseNamedMutex(OsHandle) override { return false; }
  bool CloseOsHandle(OsHandle) override { return false; }
  OsHandle OpenDeviceFile(const std::string&, bool) override { return kInvalidDeviceHandle; }
  bool DeviceControl(OsHandle, uint32_t, const void*, uint32_t, void*, uint32_t,
                     uint32_t* returned) override {
    if (returned) *returned = 0;
    return false;
  }
  DeviceIo WriteDevice(OsHandle, const void*, uint32_t, uint32_t* transferred, void*) override {
    if (transferred) *transferred = 0;
    return DeviceIo::kFailed;
  }
  DeviceIo ReadDevice(OsHandle, void*, uint32_t, uint32_t* transferred, void*) override {
    if (transferred) *transferred = 0;
    return DeviceIo::kFailed;
  }
  QueueList ListLocalQueues(std::vector<PrinterQueue>&) override { return QueueList::kNoSizeAsked; }
  OsHandle OpenQueue(const std::string&) override { return nullptr; }
  bool StartRawDoc(OsHandle, const std::string&) override { return false; }
  bool StartPage(OsHandle) override { return false; }
  bool WriteQueue(OsHandle, const void*, uint32_t, uint32_t* written) override {
    if (written) *written = 0;
    return false;
  }
  bool EndPage(OsHandle) override { return false; }
  bool EndDoc(OsHandle) override { return false; }
  bool CloseQueue(OsHandle) override { return false; }
  bool FindDevicePath(const std::string&, std::string&) override { return false; }
};

}  // namespace

CUsbSystem& SystemUsb() {
  static CNoUsbSystem system;
  return system;
}
