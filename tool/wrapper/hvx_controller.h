// The tool's one way to the machine: 122 operations in a fixed slot order, almost all of which
// forward one call to a slot of the library's API tables. A wrapper whose library is not bound
// answers every operation with 0, false or null and does nothing.
#pragma once

#include <cstdint>

#include "../../library/api/hvx40_types.h"

class CHVXController {
 public:
  virtual void Unload() = 0;                                                     // 0
  virtual const char* GetServiceApiVersion() = 0;                                // 1
  virtual bool ClearAllParameters() = 0;
  virtual const char* GetControlApiVersion() = 0;                                // 3
  virtual bool OutputBuffer(const void* data, int length, const char* jobName) = 0;
  virtual bool OutputFile(const char* const* path, const char* jobName) = 0;     // 5
  virtual bool SendData(const void* data, int length) = 0;
  virtual bool Command_0004() = 0;
  virtual int ReadDeviceBlock(void* buffer, int size) = 0;                       // 8
  virtual bool ReadDeviceRecord(void* record56) = 0;                             // 9
  virtual bool GetPair_0248(int* a, int* b) = 0;
  virtual bool GetVector_0251(AxisVector* out) = 0;
  virtual bool GetCurrentPosition(AxisVector* out) = 0;
  virtual bool SetByte_0258(int value) = 0;
  virtual bool SetByte_025A(int value) = 0;
  virtual bool GetVectorPair_025B(AxisVector* first, AxisVector* second) = 0;
  virtual bool GetVector_025E(AxisVector* out) = 0;
  virtual int SetVector_025F(const AxisVector* in) = 0;
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
  virtual int GetValue_027C() = 0;
  virtual bool SetValue_027D(int value) = 0;
  virtual bool GetUserCompensation(int* x, int* y, int* z) = 0;
  virtual int SetUserCompensation(int x, int y, int z) = 0;
  virtual bool SetByte_029A(int value) = 0;
  virtual bool Command_029B() = 0;                                               // 35
  virtual bool GetHalfPair_02C3(int16_t* a, int16_t* b) = 0;                     // 36
  virtual bool Command_02C4() = 0;
  virtual bool GetHalfPair_02C8(int16_t* a, int16_t* b) = 0;
  virtual bool GetRecord_0327(DeviceRecord16* out) = 0;
  virtual int Command_0337() = 0;
  virtual bool MoveAxisX(int target, int speed, int current) = 0;
  virtual bool MoveAxisY(int target, int speed, int current) = 0;
  virtual bool MoveAxisZ(int target, int speed, int current) = 0;
  virtual int GetSpindleSpeed() = 0;
  virtual int GetValue_3001() = 0;
  virtual bool SetValue_3002(int value) = 0;
  virtual bool GetPair_3003(int* a, int* b) = 0;
  virtual bool SetSpindleSpeed(int rpm) = 0;
  virtual int GetSpindleOverride() = 0;
  virtual bool SetSpindleOverride(int percent) = 0;
  virtual int GetByte_3100() = 0;
  virtual int SetByte_3101(int value) = 0;
  virtual bool GetVector_3106(AxisVector* out) = 0;
  virtual int SetVector_3107(const AxisVector* in) = 0;
  virtual bool GetTriple_3200(int* a, int* b, int* c) = 0;
  virtual int SetTriple_3201(int a, int b, int c) = 0;
  virtual bool GetVector_3202(AxisVector* out) = 0;
  virtual int SetVector_3335(const AxisVector* in) = 0;
  virtual bool GetWorkCoordinate(int number, AxisVector* out) = 0;
  virtual bool SetWorkCoordinate(int number, const AxisVector* in) = 0;
  virtual bool GetExtWorkCoordinate(int number, AxisVector* out) = 0;
  virtual bool SetExtWorkCoordinate(int number, const AxisVector* in) = 0;
  virtual bool SetFlag_3469(int flag) = 0;
  virtual bool GetIndexedValue_346B(int index, int* out) = 0;
  virtual int SetIndexedValue_347B(int index, int value) = 0;
  virtual bool SetHalf_3500(int value) = 0;
  virtual bool SetHalfTriple_3501(int a, int b, int c) = 0;
  virtual int GetByte_0FFE() = 0;
  virtual bool SetBytePair_0FFD(int first, int flag) = 0;
  virtual bool GetRecord_0FFC(DeviceRecord16* out) = 0;
  virtual int Command_0FFB() = 0;
  virtual int GetByte_0FFF() = 0;
  virtual bool ConnectSimulator(int windowHandle) = 0;                           // 73
  virtual const char* GetConnectApiVersion() = 0;                                // 74
  virtual bool Connect(const char* deviceName) = 0;                              // 75
  virtual bool Reconnect() = 0;
  virtual bool CheckConnection() = 0;
  virtual int EnumerateDevices() = 0;
  virtual const char* GetDeviceNameAt(int index) = 0;
  virtual int GetDeviceName(char* buffer, int size) = 0;
  virtual bool Disconnect() = 0;                                                 // 81
  virtual const char* GetRemoteControlApiVersion() = 0;                          // 82
  virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;      // 83
  virtual int GetString_0211(char* buffer, int size) = 0;                        // 84
  virtual int GetFirmwareVersion(char* buffer, int size) = 0;
  virtual int GetSerialNumber(char* buffer, int size) = 0;
  virtual int GetShortCode(char* buffer, int size) = 0;
  virtual int GetValue_0207() = 0;
  virtual int GetDeviceId(char* buffer, int size) = 0;
  virtual int GetValue_0230() = 0;
  virtual int GetInputState() = 0;
  virtual bool SetValue_023F(int value) = 0;
  virtual bool SetValue_0240(int value) = 0;
  virtual bool SetValue_0241(int value) = 0;
  virtual bool SendZero_0275() = 0;
  virtual bool Command_0274() = 0;
  virtual bool SetTriple_0290(int a, int b, int c) = 0;
  virtual int Unsupported(int first, int second) = 0;
  virtual bool Command_02E6() = 0;                                               // 99
  virtual const char* GetRemoteServiceApiVersion() = 0;                          // 100
  virtual bool SetSerialNumber(const char* text) = 0;                            // 101
  virtual bool SetShortCode(const char* text) = 0;
  virtual int GetValue_0205() = 0;
  virtual int SetPair_0206(int a, int b) = 0;
  virtual int GetValue_0208() = 0;
  virtual int SetValue_0209(int value) = 0;
  virtual int GetValue_020A() = 0;
  virtual int SetValue_020B(int value) = 0;
  virtual bool GetBlock12_020D(int* a, int* b, int* c) = 0;
  virtual bool SetBlock12_020E(const int* a, const int* b, const int* c) = 0;
  virtual bool GetBlock6_020F(uint8_t* out6) = 0;
  virtual bool SetBlock6_0210(const uint8_t* in6) = 0;
  virtual bool EnterUpdateMode(int mode) = 0;                                    // 113
  virtual int Command_029C() = 0;                                                // 114
  virtual bool ReadWords_02C1(uint16_t* buffer, int count) = 0;                  // 115
  virtual int GetSystemReport(char* buffer, int size) = 0;                       // 116
  virtual int GetParameters(void* buffer, int size) = 0;
  virtual bool PutParameters(const void* data, int length) = 0;
  virtual bool Command_02E5() = 0;
  virtual int GetParameters2(void* buffer, int size) = 0;                        // 120
  // After every other slot, so that the order of the 121 before it stays as it was.
  virtual bool ConnectSimulatorNamed(const char* deviceName, int windowHandle) = 0;  // 121
  virtual ~CHVXController() {}
};
