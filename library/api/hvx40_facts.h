// The HVX-40 as the library, the tool and hvx40ctl know it: its name, its status words, its
// travel, the library's exports and the USB requests of its command channel. Each fact is
// written here once and nowhere else in those three.
//
// The emulator keeps its own model of the machine, and the wire tests spell every value out,
// so that a wrong value here is caught by them instead of being copied into both sides.
#pragma once

#include <cstdint>

// The model string: the printer driver's name of the machine, the device the tool connects to,
// the simulator the library connects to by default and the prefix of the log files.
constexpr char kModelName[] = "Varnel HVX-40";

// The version texts the tables report and the tool binds against; a caller compares all five
// bytes, terminator included.
constexpr char kApiVersion[] = "V100";
constexpr char kRemoteServiceApiVersion[] = "V102";

// The library's six exports, each returning one table (the .def file lists the same names).
namespace api_export {
constexpr char kRemoteConnect[] = "GetRemoteConnectAPI";
constexpr char kRemoteControl[] = "GetRemoteControlAPI";
constexpr char kRemoteService[] = "GetRemoteServiceAPI";
constexpr char kControl[] = "GetHVX40ControlAPI";
constexpr char kProduction[] = "GetHVX40ProductionAPI";
constexpr char kService[] = "GetHVX40ServiceAPI";
}  // namespace api_export

// An operating-system handle as the transports keep it (a HANDLE on Windows). Device handles use
// kInvalidDeviceHandle (INVALID_HANDLE_VALUE) for "none open".
typedef void* OsHandle;
#define kInvalidDeviceHandle (reinterpret_cast<OsHandle>(static_cast<intptr_t>(-1)))

// The control transfers of the command channel.
namespace usb_request {
// Request types (interface recipient): the class request for the device ID, and the vendor
// requests in and out.
constexpr uint8_t kClassIn = 0xA1;
constexpr uint8_t kVendorIn = 0xC1;
constexpr uint8_t kVendorOut = 0x41;
// The class request code of the IEEE 1284 device ID.
constexpr uint8_t kGetDeviceId = 0;
}  // namespace usb_request

// Every vendor request of the command channel uses this request code; the command number
// travels in the value field.
constexpr uint8_t kVendorRequest = 1;

// The first status word.
namespace status_word {

// The state code is the low four bits. Codes 8 to 15 are codes 0 to 7 with bit 3 set, and mean
// the same; StateCode names the low three bits.
constexpr uint32_t kStateCodeMask = 0x00000007u;
enum StateCode : uint32_t {
  kStateInitializing = 0,
  kStateUnSetup = 1,
  kStateReady = 2,
  kStateBusy = 3,
  kStateError = 4,
  kStateOffline = 5,  // 5, 6 and 7: off line, the machine takes no command
};

constexpr uint32_t kJobBlockedBit = 0x00000040u;
constexpr uint32_t kMotionBit = 0x00000800u;
// Outside update mode only: during an installation bits 16 to 23 carry its progress.
constexpr uint32_t kCoverOpenBit = 0x00020000u;

// Update mode: the flag in bits 28 to 31, the phase in bits 24 to 27, the progress (0 to 255)
// in bits 16 to 23.
constexpr int kUpdateFlagShift = 28;
constexpr uint32_t kUpdateModeFlag = 8;
constexpr int kUpdatePhaseShift = 24;
constexpr uint32_t kUpdatePhaseMask = 0xFu;
constexpr int kUpdateProgressShift = 16;
constexpr uint32_t kUpdateProgressMask = 0xFFu;

}  // namespace status_word

// The phases of an installation, as the update-mode state word carries them.
namespace update_phase {
enum UpdatePhase : uint32_t {
  kWaiting = 1,  // in update mode, waiting for the image
  kReceiving = 2,
  kDeleting = 3,
  kWriting = 4,
  kVerifying = 5,
  kFinished = 6,
  // 8 to 12: the machine refused the image or could not erase, write or verify it.
  kFirmError = 8,
  kDataError = 9,
  kDeleteError = 10,
  kWriteError = 11,
  kVerifyError = 12,
};
}  // namespace update_phase

// The second status word: the command channel's handshake.
namespace handshake_word {
constexpr uint32_t kErrorBit = 0x00000010u;
constexpr uint32_t kExecutingBit = 0x00000020u;
constexpr uint32_t kPendingBit = 0x00000040u;
// A reply's size, when one is ready, in bits 24 to 31.
constexpr int kReplySizeShift = 24;
}  // namespace handshake_word

// The input word (GetInputState): the limit sensors and the cover.
namespace input_word {
// The read failed: every bit is set, so the word must not be taken as sensor levels.
constexpr int kReadFailed = -1;
constexpr int kXLimitBit = 0x1;
constexpr int kYLimitBit = 0x2;
constexpr int kZLimitBit = 0x4;
constexpr int kCoverClosedBit = 0x40;
}  // namespace input_word

// The travel in micrometres: X 0 to kXTravel, Y 0 to kYTravel, Z kZDepth to 0.
namespace travel {
constexpr int32_t kXTravel = 203200;
constexpr int32_t kYTravel = 152400;
constexpr int32_t kZDepth = -60500;
// Where each axis meets its limit sensor, 2.5 mm past its home end (X 0, Y at the far end of
// its travel, Z up).
constexpr int32_t kSensorOvertravel = 2500;
constexpr int32_t kXSensor = -kSensorOvertravel;
constexpr int32_t kYSensor = kYTravel + kSensorOvertravel;
constexpr int32_t kZSensor = kSensorOvertravel;
// The park position: every axis at home, so that the table is free for the engineer.
constexpr int32_t kParkX = 0;
constexpr int32_t kParkY = kYTravel;
constexpr int32_t kParkZ = 0;
}  // namespace travel
