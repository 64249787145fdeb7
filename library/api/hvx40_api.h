// The calling contract between HVX40ServiceAPI.dll and the tool that loads it.
//
// Each exported getter returns one API object whose first word is the table of virtual
// operations below. The tool calls them by position, so the order of the operations, their
// argument order and widths are fixed: add nothing, move nothing.
//
// Result conventions:
//   bool            one-byte truth value.
//   int (1/0)       1 on success, 0 on failure.
//   value-or-(-1)   the 32-bit value read from the machine, or -1 when the read failed.
//   StringOut       null buffer: size needed (length + 1); buffer smaller than that: -1 and
//                   nothing copied; otherwise the text and its terminator are copied and the
//                   size needed is returned; -1 when the text could not be obtained.
//   block-out       as StringOut, for binary data whose length is returned.
#pragma once

#include <cstdint>

#include "hvx40_types.h"

// "V100"
class CRemoteConnectAPI {
 public:
  virtual const char* GetVersion() = 0;
  virtual bool Connect(const char* deviceName) = 0;
  virtual bool Reconnect() = 0;
  virtual bool CheckConnection() = 0;
  virtual int EnumerateDevices() = 0;                    // count, or -1
  virtual const char* GetDeviceNameAt(int index) = 0;    // null when out of range
  virtual int GetDeviceName(char* buffer, int size) = 0; // StringOut
  virtual bool Disconnect() = 0;                          // always true
  virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;  // 1/0
};

// "V100"
class CRemoteControlAPI {
 public:
  virtual const char* GetVersion() = 0;
  virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;  // 1/0
  virtual int ReadDeviceBlock(void* buffer, int size) = 0;  // bytes read, or -1
  virtual int GetString_0211(char* buffer, int size) = 0;   // StringOut
  virtual int GetFirmwareVersion(char* buffer, int size) = 0;
  virtual int GetSerialNumber(char* buffer, int size) = 0;
  virtual int GetShortCode(char* buffer, int size) = 0;
  virtual int GetValue_0207() = 0;                          // value-or-(-1)
  virtual int GetDeviceId(char* buffer, int size) = 0;      // StringOut
  virtual int GetValue_0230() = 0;
  virtual int GetInputState() = 0;
  virtual bool SetValue_023F(int value) = 0;
  virtual bool SetValue_0240(int value) = 0;
  virtual bool SetValue_0241(int value) = 0;
  virtual bool SendZero_0275() = 0;
  virtual bool Command_0274() = 0;
  virtual bool SetTriple_0290(int a, int b, int c) = 0;
  virtual int Unsupported(int first, int second) = 0;       // always -1
  virtual bool Command_02E6() = 0;
};

// "V102"
class CRemoteServiceAPI {
 public:
  virtual const char* GetVersion() = 0;
  virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;  // 1/0
  virtual bool SetSerialNumber(const char* text) = 0;
  virtual bool SetShortCode(const char* text) = 0;
  virtual int GetValue_0205() = 0;                 // value-or-(-1)
  virtual int SetPair_0206(int a, int b) = 0;      // 1/0
  virtual int GetValue_0208() = 0;
  virtual int SetValue_0209(int value) = 0;        // 1/0
  virtual int GetValue_020A() = 0;
  virtual int SetValue_020B(int value) = 0;        // 1/0
  virtual bool GetBlock12_020D(int* a, int* b, int* c) = 0;
  virtual bool SetBlock12_020E(const int* a, const int* b, const int* c) = 0;
  virtual bool GetBlock6_020F(uint8_t* out6) = 0;
  virtual bool SetBlock6_0210(const uint8_t* in6) = 0;
  virtual bool EnterUpdateMode(int mode) = 0;
  virtual bool SendZero_0279() = 0;
  virtual bool SetByte_029A(int value) = 0;
  virtual bool Command_029B() = 0;
  virtual int Command_029C() = 0;                  // 1/0
  virtual bool ReadWords_02C1(uint16_t* buffer, int count) = 0;
  virtual bool GetHalfPair_02C3(int16_t* a, int16_t* b) = 0;
  virtual bool Command_02C4() = 0;
  virtual bool GetHalfPair_02C8(int16_t* a, int16_t* b) = 0;
  virtual int GetSystemReport(char* buffer, int size) = 0;   // block-out, counts the terminator
  virtual int GetParameters(void* buffer, int size) = 0;     // block-out
  virtual bool PutParameters(const void* data, int length) = 0;
  virtual bool Command_02E5() = 0;
  virtual int GetParameters2(void* buffer, int size) = 0;    // block-out
};

// "V100"
class CHVX40ControlAPI {
 public:
  virtual const char* GetVersion() = 0;
  // path: the address of a variable holding the pointer to the NUL-terminated path.
  virtual bool OutputFile(const char* const* path, const char* jobName) = 0;
  virtual bool SendData(const void* data, int length) = 0;
  virtual bool Command_0004() = 0;
  virtual bool ReadDeviceRecord(void* record56) = 0;
  virtual bool GetPair_0248(int* a, int* b) = 0;
  virtual bool GetVector_0251(AxisVector* out) = 0;
  virtual bool GetCurrentPosition(AxisVector* out) = 0;
  virtual bool SetByte_0258(int value) = 0;
  virtual bool SetByte_025A(int value) = 0;
  virtual bool GetVectorPair_025B(AxisVector* first, AxisVector* second) = 0;
  virtual bool GetVector_025E(AxisVector* out) = 0;
  virtual int SetVector_025F(const AxisVector* in) = 0;      // 1/0
  virtual bool GetVector_0265(AxisVector* out) = 0;
  virtual bool Move_0260(const AxisVector* target, int speed) = 0;
  virtual bool Move_0262(const AxisVector* target, int speed) = 0;
  virtual bool MoveTo(const AxisVector* target, int speed) = 0;
  virtual bool Move_0264(const AxisVector* target, int first, int second) = 0;
  virtual bool SetSwitch_0270(int on) = 0;
  virtual bool Command_0272() = 0;
  virtual bool StopMotion() = 0;
  virtual bool Command_0276_02() = 0;
  virtual bool Command_0276_03() = 0;
  virtual bool Command_0276_FF() = 0;
  virtual bool SendZero_0279() = 0;
  virtual int GetValue_027C() = 0;                            // value-or-(-1)
  virtual bool SetValue_027D(int value) = 0;
  virtual bool GetUserCompensation(int* x, int* y, int* z) = 0;
  virtual int SetUserCompensation(int x, int y, int z) = 0;   // 1/0
  virtual bool SetByte_029A(int value) = 0;
  virtual bool Command_029B() = 0;
  virtual int GetSystemReport(char* buffer, int size) = 0;    // block-out
  virtual bool GetHalfPair_02C3(int16_t* a, int16_t* b) = 0;
  virtual bool Command_02C4() = 0;
  virtual bool GetHalfPair_02C8(int16_t* a, int16_t* b) = 0;
  virtual bool GetRecord_0327(DeviceRecord16* out) = 0;
  virtual int Command_0337() = 0;                             // 1/0
  virtual bool MoveAxisX(int target, int speed, int current) = 0;
  virtual bool MoveAxisY(int target, int speed, int current) = 0;
  virtual bool MoveAxisZ(int target, int speed, int current) = 0;
  virtual int GetSpindleSpeed() = 0;                          // value-or-(-1)
  virtual int GetValue_3001() = 0;
  virtual bool SetValue_3002(int value) = 0;
  virtual bool GetPair_3003(int* a, int* b) = 0;
  virtual bool SetSpindleSpeed(int rpm) = 0;
  virtual int GetSpindleOverride() = 0;                       // 0..255, or -1
  virtual bool SetSpindleOverride(int percent) = 0;
  virtual int GetByte_3100() = 0;
  virtual int SetByte_3101(int value) = 0;                    // 1/0
  virtual bool GetVector_3106(AxisVector* out) = 0;
  virtual int SetVector_3107(const AxisVector* in) = 0;       // 1/0
  virtual bool GetTriple_3200(int* a, int* b, int* c) = 0;
  virtual int SetTriple_3201(int a, int b, int c) = 0;        // 1/0
  virtual bool GetVector_3202(AxisVector* out) = 0;
  virtual int SetVector_3335(const AxisVector* in) = 0;       // 1/0
  virtual bool GetWorkCoordinate(int number, AxisVector* out) = 0;
  virtual bool SetWorkCoordinate(int number, const AxisVector* in) = 0;
  virtual bool GetExtWorkCoordinate(int number, AxisVector* out) = 0;
  virtual bool SetExtWorkCoordinate(int number, const AxisVector* in) = 0;
  virtual bool SetFlag_3469(int flag) = 0;
  virtual bool GetIndexedValue_346B(int index, int* out) = 0;
  virtual int SetIndexedValue_347B(int index, int value) = 0; // 1/0
  virtual bool SetHalf_3500(int value) = 0;
  virtual bool SetHalfTriple_3501(int a, int b, int c) = 0;
  virtual int GetByte_0FFE() = 0;
  virtual bool SetBytePair_0FFD(int first, int flag) = 0;
  virtual bool GetRecord_0FFC(DeviceRecord16* out) = 0;
  virtual int Command_0FFB() = 0;                             // 1/0
  virtual int GetByte_0FFF() = 0;
  virtual bool ConnectSimulator(int windowHandle) = 0;
  // As ConnectSimulator, to the simulator of that device name: several run side by side.
  virtual bool ConnectSimulatorNamed(const char* deviceName, int windowHandle) = 0;
};

// "V100"
class CHVX40ProductionAPI {
 public:
  virtual const char* GetVersion() = 0;
  virtual bool Command_0231_FF() = 0;
  virtual bool Command_0231_00() = 0;
  virtual bool GetCompensation2(int* x, int* y, int* z) = 0;
  virtual int SetCompensation2(int x, int y, int z) = 0;      // 1/0
  virtual bool WriteWords_02C2(const uint16_t* data, int count) = 0;
};

// "V100"
class CHVX40ServiceAPI {
 public:
  virtual const char* GetVersion() = 0;
  virtual bool ClearAllParameters() = 0;
};

// The six exports, under their plain C names.
extern "C" {
typedef CRemoteConnectAPI* (*GetRemoteConnectAPIFn)();
typedef CRemoteControlAPI* (*GetRemoteControlAPIFn)();
typedef CRemoteServiceAPI* (*GetRemoteServiceAPIFn)();
typedef CHVX40ControlAPI* (*GetHVX40ControlAPIFn)();
typedef CHVX40ProductionAPI* (*GetHVX40ProductionAPIFn)();
typedef CHVX40ServiceAPI* (*GetHVX40ServiceAPIFn)();
}
