// A controller wrapper whose every operation is a gmock method; wrap it in testing::NiceMock to
// let unscripted calls answer zero, as an unbound wrapper would. Helper actions for the recurring
// reply shapes follow the class.
#pragma once

#include <gmock/gmock.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "../../../tool/wrapper/hvx_controller.h"

class CFakeHVXController : public CHVXController {
 public:
  MOCK_METHOD(void, Unload, (), (override));
  MOCK_METHOD(const char*, GetServiceApiVersion, (), (override));
  MOCK_METHOD(bool, ClearAllParameters, (), (override));
  MOCK_METHOD(const char*, GetControlApiVersion, (), (override));
  MOCK_METHOD(bool, OutputBuffer, (const void* data, int length, const char* jobName), (override));
  MOCK_METHOD(bool, OutputFile, (const char* const* path, const char* jobName), (override));
  MOCK_METHOD(bool, SendData, (const void* data, int length), (override));
  MOCK_METHOD(bool, Command_0004, (), (override));
  MOCK_METHOD(int, ReadDeviceBlock, (void* buffer, int size), (override));
  MOCK_METHOD(bool, ReadDeviceRecord, (void* record56), (override));
  MOCK_METHOD(bool, GetPair_0248, (int* a, int* b), (override));
  MOCK_METHOD(bool, GetVector_0251, (AxisVector* out), (override));
  MOCK_METHOD(bool, GetCurrentPosition, (AxisVector* out), (override));
  MOCK_METHOD(bool, SetByte_0258, (int value), (override));
  MOCK_METHOD(bool, SetByte_025A, (int value), (override));
  MOCK_METHOD(bool, GetVectorPair_025B, (AxisVector* first, AxisVector* second), (override));
  MOCK_METHOD(bool, GetVector_025E, (AxisVector* out), (override));
  MOCK_METHOD(int, SetVector_025F, (const AxisVector* in), (override));
  MOCK_METHOD(bool, GetVector_0265, (AxisVector* out), (override));
  MOCK_METHOD(bool, Move_0260, (const AxisVector* target, int speed), (override));
  MOCK_METHOD(bool, Move_0262, (const AxisVector* target, int speed), (override));
  MOCK_METHOD(bool, MoveTo, (const AxisVector* target, int speed), (override));
  MOCK_METHOD(bool, Move_0264, (const AxisVector* target, int first, int second), (override));
  MOCK_METHOD(bool, SetSwitch_0270, (int on), (override));
  MOCK_METHOD(bool, Command_0272, (), (override));
  MOCK_METHOD(bool, StopMotion, (), (override));
  MOCK_METHOD(bool, Command_0276_02, (), (override));
  MOCK_METHOD(bool, Command_0276_03, (), (override));
  MOCK_METHOD(bool, Command_0276_FF, (), (override));
  MOCK_METHOD(bool, SendZero_0279, (), (override));
  MOCK_METHOD(int, GetValue_027C, (), (override));
  MOCK_METHOD(bool, SetValue_027D, (int value), (override));
  MOCK_METHOD(bool, GetUserCompensation, (int* x, int* y, int* z), (override));
  MOCK_METHOD(int, SetUserCompensation, (int x, int y, int z), (override));
  MOCK_METHOD(bool, SetByte_029A, (int value), (override));
  MOCK_METHOD(bool, Command_029B, (), (override));
  MOCK_METHOD(bool, GetHalfPair_02C3, (int16_t* a, int16_t* b), (override));
  MOCK_METHOD(bool, Command_02C4, (), (override));
  MOCK_METHOD(bool, GetHalfPair_02C8, (int16_t* a, int16_t* b), (override));
  MOCK_METHOD(bool, GetRecord_0327, (DeviceRecord16* out), (override));
  MOCK_METHOD(int, Command_0337, (), (override));
  MOCK_METHOD(bool, MoveAxisX, (int target, int speed, int current), (override));
  MOCK_METHOD(bool, MoveAxisY, (int target, int speed, int current), (override));
  MOCK_METHOD(bool, MoveAxisZ, (int target, int speed, int current), (override));
  MOCK_METHOD(int, GetSpindleSpeed, (), (override));
  MOCK_METHOD(int, GetValue_3001, (), (override));
  MOCK_METHOD(bool, SetValue_3002, (int value), (override));
  MOCK_METHOD(bool, GetPair_3003, (int* a, int* b), (override));
  MOCK_METHOD(bool, SetSpindleSpeed, (int rpm), (override));
  MOCK_METHOD(int, GetSpindleOverride, (), (override));
  MOCK_METHOD(bool, SetSpindleOverride, (int percent), (override));
  MOCK_METHOD(int, GetByte_3100, (), (override));
  MOCK_METHOD(int, SetByte_3101, (int value), (override));
  MOCK_METHOD(bool, GetVector_3106, (AxisVector* out), (override));
  MOCK_METHOD(int, SetVector_3107, (const AxisVector* in), (override));
  MOCK_METHOD(bool, GetTriple_3200, (int* a, int* b, int* c), (override));
  MOCK_METHOD(int, SetTriple_3201, (int a, int b, int c), (override));
  MOCK_METHOD(bool, GetVector_3202, (AxisVector* out), (override));
  MOCK_METHOD(int, SetVector_3335, (const AxisVector* in), (override));
  MOCK_METHOD(bool, GetWorkCoordinate, (int number, AxisVector* out), (override));
  MOCK_METHOD(bool, SetWorkCoordinate, (int number, const AxisVector* in), (override));
  MOCK_METHOD(bool, GetExtWorkCoordinate, (int number, AxisVector* out), (override));
  MOCK_METHOD(bool, SetExtWorkCoordinate, (int number, const AxisVector* in), (override));
  MOCK_METHOD(bool, SetFlag_3469, (int flag), (override));
  MOCK_METHOD(bool, GetIndexedValue_346B, (int index, int* out), (override));
  MOCK_METHOD(int, SetIndexedValue_347B, (int index, int value), (override));
  MOCK_METHOD(bool, SetHalf_3500, (int value), (override));
  MOCK_METHOD(bool, SetHalfTriple_3501, (int a, int b, int c), (override));
  MOCK_METHOD(int, GetByte_0FFE, (), (override));
  MOCK_METHOD(bool, SetBytePair_0FFD, (int first, int flag), (override));
  MOCK_METHOD(bool, GetRecord_0FFC, (DeviceRecord16* out), (override));
  MOCK_METHOD(int, Command_0FFB, (), (override));
  MOCK_METHOD(int, GetByte_0FFF, (), (override));
  MOCK_METHOD(bool, ConnectSimulator, (int windowHandle), (override));
  MOCK_METHOD(bool, ConnectSimulatorNamed, (const char* deviceName, int windowHandle), (override));
  MOCK_METHOD(const char*, GetConnectApiVersion, (), (override));
  MOCK_METHOD(bool, Connect, (const char* deviceName), (override));
  MOCK_METHOD(bool, Reconnect, (), (override));
  MOCK_METHOD(bool, CheckConnection, (), (override));
  MOCK_METHOD(int, EnumerateDevices, (), (override));
  MOCK_METHOD(const char*, GetDeviceNameAt, (int index), (override));
  MOCK_METHOD(int, GetDeviceName, (char* buffer, int size), (override));
  MOCK_METHOD(bool, Disconnect, (), (override));
  MOCK_METHOD(const char*, GetRemoteControlApiVersion, (), (override));
  MOCK_METHOD(int, GetStatus, (uint32_t* stateWord, uint32_t* handshakeWord), (override));
  MOCK_METHOD(int, GetString_0211, (char* buffer, int size), (override));
  MOCK_METHOD(int, GetFirmwareVersion, (char* buffer, int size), (override));
  MOCK_METHOD(int, GetSerialNumber, (char* buffer, int size), (override));
  MOCK_METHOD(int, GetShortCode, (char* buffer, int size), (override));
  MOCK_METHOD(int, GetValue_0207, (), (override));
  MOCK_METHOD(int, GetDeviceId, (char* buffer, int size), (override));
  MOCK_METHOD(int, GetValue_0230, (), (override));
  MOCK_METHOD(int, GetInputState, (), (override));
  MOCK_METHOD(bool, SetValue_023F, (int value), (override));
  MOCK_METHOD(bool, SetValue_0240, (int value), (override));
  MOCK_METHOD(bool, SetValue_0241, (int value), (override));
  MOCK_METHOD(bool, SendZero_0275, (), (override));
  MOCK_METHOD(bool, Command_0274, (), (override));
  MOCK_METHOD(bool, SetTriple_0290, (int a, int b, int c), (override));
  MOCK_METHOD(int, Unsupported, (int first, int second), (override));
  MOCK_METHOD(bool, Command_02E6, (), (override));
  MOCK_METHOD(const char*, GetRemoteServiceApiVersion, (), (override));
  MOCK_METHOD(bool, SetSerialNumber, (const char* text), (override));
  MOCK_METHOD(bool, SetShortCode, (const char* text), (override));
  MOCK_METHOD(int, GetValue_0205, (), (override));
  MOCK_METHOD(int, SetPair_0206, (int a, int b), (override));
  MOCK_METHOD(int, GetValue_0208, (), (override));
  MOCK_METHOD(int, SetValue_0209, (int value), (override));
  MOCK_METHOD(int, GetValue_020A, (), (override));
  MOCK_METHOD(int, SetValue_020B, (int value), (override));
  MOCK_METHOD(bool, GetBlock12_020D, (int* a, int* b, int* c), (override));
  MOCK_METHOD(bool, SetBlock12_020E, (const int* a, const int* b, const int* c), (override));
  MOCK_METHOD(bool, GetBlock6_020F, (uint8_t* out6), (override));
  MOCK_METHOD(bool, SetBlock6_0210, (const uint8_t* in6), (override));
  MOCK_METHOD(bool, EnterUpdateMode, (int mode), (override));
  MOCK_METHOD(int, Command_029C, (), (override));
  MOCK_METHOD(bool, ReadWords_02C1, (uint16_t* buffer, int count), (override));
  MOCK_METHOD(int, GetSystemReport, (char* buffer, int size), (override));
  MOCK_METHOD(int, GetParameters, (void* buffer, int size), (override));
  MOCK_METHOD(bool, PutParameters, (const void* data, int length), (override));
  MOCK_METHOD(bool, Command_02E5, (), (override));
  MOCK_METHOD(int, GetParameters2, (void* buffer, int size), (override));
};

namespace hvxtest {

// GetStatus writing both words; 0 when either reads 0xFFFFFFFF, as the library answers.
inline auto ReturnStatus(uint32_t stateWord, uint32_t handshakeWord = 0) {
  return [=](uint32_t* state, uint32_t* handshake) {
    if (state) *state = stateWord;
    if (handshake) *handshake = handshakeWord;
    return (stateWord == kStatusNotRead || handshakeWord == kStatusNotRead) ? 0 : 1;
  };
}

inline auto ReturnStatusNotRead() { return ReturnStatus(kStatusNotRead, kStatusNotRead); }

inline AxisVector MakeVector(std::initializer_list<int32_t> values) {
  AxisVector v{};
  int i = 0;
  for (int32_t value : values) {
    if (i < 6) v.value[i++] = value;
  }
  return v;
}

// Any AxisVector read (GetCurrentPosition, GetVector_…): writes the vector, answers true.
inline auto ReturnPosition(std::initializer_list<int32_t> values) {
  AxisVector v = MakeVector(values);
  return [v](AxisVector* out) {
    if (out) *out = v;
    return true;
  };
}

// A text read of the library's string-out shape (null: size; too small: -1, nothing written).
inline auto ReturnText(std::string text) {
  return [text](char* buffer, int size) -> int {
    int needed = static_cast<int>(text.size()) + 1;
    if (!buffer) return needed;
    if (size < needed) return -1;
    std::memcpy(buffer, text.c_str(), static_cast<size_t>(needed));
    return needed;
  };
}

// Matches an AxisVector pointer whose first values equal the given ones (X, Y, Z, ...).
MATCHER_P(PointsToAxesMatcher, expected, "points to an AxisVector starting with the given values") {
  if (!arg) return false;
  for (size_t i = 0; i < expected.size() && i < 6; ++i) {
    if (arg->value[i] != expected[i]) {
      *result_listener << "value[" << i << "] is " << arg->value[i];
      return false;
    }
  }
  return true;
}

inline auto AxesAre(std::vector<int32_t> expected) { return PointsToAxesMatcher(expected); }

}  // namespace hvxtest
