// The catalogue of machine commands: one operation per command, each with its payload, its
// reply and its wait, over the command channel of a connected machine. Operations that only
// a number names carry it in their name.
//
// Results: commands give true when the machine accepted them (and, for those that also wait,
// finished them); word queries give the value or -1; byte queries give 0..255 or -1. Outputs
// are written only when the whole reply arrived, unless said otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../api/hvx40_types.h"
#include "command_protocol.h"

namespace machine {

// Coordinate sets the machine keeps, by the numbers the engineer knows them by.
constexpr int kFirstWorkCoordinate = 54;
constexpr int kLastWorkCoordinate = 59;
constexpr int kFirstExtWorkCoordinate = 1;
constexpr int kLastExtWorkCoordinate = 300;
// The indexed values: each group (getters from 0x346B, setters from 0x347B) spans sixteen
// codes, so an index outside them would reach another command altogether.
constexpr int kFirstIndexedValue = 0;
constexpr int kLastIndexedValue = 15;

// Channel, identity and service values.
bool Command_0004(CCommandProtocol& p);
bool ReadDeviceRecord(CCommandProtocol& p, void* record56);
bool GetFirmwareVersion(CCommandProtocol& p, std::string& out);
bool GetSerialNumber(CCommandProtocol& p, std::string& out);
bool SetSerialNumber(CCommandProtocol& p, const char* text);
bool GetShortCode(CCommandProtocol& p, std::string& out);
bool SetShortCode(CCommandProtocol& p, const char* text);
int GetValue_0205(CCommandProtocol& p);
bool SetPair_0206(CCommandProtocol& p, int a, int b);
int GetValue_0207(CCommandProtocol& p);
int GetValue_0208(CCommandProtocol& p);
bool SetValue_0209(CCommandProtocol& p, int value);
int GetValue_020A(CCommandProtocol& p);
bool SetValue_020B(CCommandProtocol& p, int value);
bool GetBlock12_020D(CCommandProtocol& p, int* a, int* b, int* c);
bool SetBlock12_020E(CCommandProtocol& p, const int* a, const int* b, const int* c);
bool GetBlock6_020F(CCommandProtocol& p, uint8_t* out6);
bool SetBlock6_0210(CCommandProtocol& p, const uint8_t* in6);
bool GetString_0211(CCommandProtocol& p, std::string& out);

// Motion, inputs and compensation.
int GetValue_0230(CCommandProtocol& p);
bool Command_0231_FF(CCommandProtocol& p);
bool Command_0231_00(CCommandProtocol& p);
int GetInputState(CCommandProtocol& p);
bool SetValue_023F(CCommandProtocol& p, int value);
bool SetValue_0240(CCommandProtocol& p, int value);
bool SetValue_0241(CCommandProtocol& p, int value);
bool GetPair_0248(CCommandProtocol& p, int* a, int* b);
bool GetVector_0251(CCommandProtocol& p, AxisVector* out);
bool GetCurrentPosition(CCommandProtocol& p, AxisVector* out);
bool SetByte_0258(CCommandProtocol& p, int value);
bool SetByte_025A(CCommandProtocol& p, int value);
bool GetVectorPair_025B(CCommandProtocol& p, AxisVector* first, AxisVector* second);
bool GetVector_025E(CCommandProtocol& p, AxisVector* out);
bool SetVector_025F(CCommandProtocol& p, const AxisVector* in);
bool GetVector_0265(CCommandProtocol& p, AxisVector* out);
bool Move_0260(CCommandProtocol& p, const AxisVector* target, int speed);
bool Move_0262(CCommandProtocol& p, const AxisVector* target, int speed);
bool MoveTo(CCommandProtocol& p, const AxisVector* target, int speed);
bool Move_0264(CCommandProtocol& p, const AxisVector* target, int first, int second);
bool SetSwitch_0270(CCommandProtocol& p, int on);
bool Command_0272(CCommandProtocol& p);
bool StopMotion(CCommandProtocol& p);
bool Command_0274(CCommandProtocol& p);
bool SendZero_0275(CCommandProtocol& p);
bool Command_0276_02(CCommandProtocol& p);
bool Command_0276_03(CCommandProtocol& p);
bool Command_0276_FF(CCommandProtocol& p);
bool EnterUpdateMode(CCommandProtocol& p, int mode);
bool SendZero_0279(CCommandProtocol& p);
int GetValue_027C(CCommandProtocol& p);
bool SetValue_027D(CCommandProtocol& p, int value);
bool GetUserCompensation(CCommandProtocol& p, int* x, int* y, int* z);
bool SetUserCompensation(CCommandProtocol& p, int x, int y, int z);
bool GetCompensation2(CCommandProtocol& p, int* x, int* y, int* z);
bool SetCompensation2(CCommandProtocol& p, int x, int y, int z);
bool SetTriple_0290(CCommandProtocol& p, int a, int b, int c);

// Service actions, reports, tables, parameter areas and records.
bool SetByte_029A(CCommandProtocol& p, int value);
bool Command_029B(CCommandProtocol& p);
bool Command_029C(CCommandProtocol& p);
bool GetSystemReport(CCommandProtocol& p, std::vector<char>& text);  // ends in its zero byte
bool ReadWords_02C1(CCommandProtocol& p, uint16_t* buffer, int count);
bool WriteWords_02C2(CCommandProtocol& p, const uint16_t* data, int count);
bool GetHalfPair_02C3(CCommandProtocol& p, int16_t* a, int16_t* b);
bool Command_02C4(CCommandProtocol& p);
bool GetHalfPair_02C8(CCommandProtocol& p, int16_t* a, int16_t* b);
bool GetParameters(CCommandProtocol& p, std::vector<uint8_t>& area);
bool PutParameters(CCommandProtocol& p, const void* data, int length);
bool ClearAllParameters(CCommandProtocol& p);
bool Command_02E5(CCommandProtocol& p);
bool Command_02E6(CCommandProtocol& p);
bool GetParameters2(CCommandProtocol& p, std::vector<uint8_t>& area);
bool GetRecord_0327(CCommandProtocol& p, DeviceRecord16* out);
bool Command_0337(CCommandProtocol& p);
bool MoveAxisX(CCommandProtocol& p, int target, int speed, int current);
bool MoveAxisY(CCommandProtocol& p, int target, int speed, int current);
bool MoveAxisZ(CCommandProtocol& p, int target, int speed, int current);
bool Command_0FFB(CCommandProtocol& p);
bool GetRecord_0FFC(CCommandProtocol& p, DeviceRecord16* out);
bool SetBytePair_0FFD(CCommandProtocol& p, int first, int flag);
int GetByte_0FFE(CCommandProtocol& p);
int GetByte_0FFF(CCommandProtocol& p);

// Spindle, sensors and user parameters.
int GetSpindleSpeed(CCommandProtocol& p);
int GetValue_3001(CCommandProtocol& p);
bool SetValue_3002(CCommandProtocol& p, int value);
bool GetPair_3003(CCommandProtocol& p, int* a, int* b);
bool SetSpindleSpeed(CCommandProtocol& p, int rpm);
int GetSpindleOverride(CCommandProtocol& p);
bool SetSpindleOverride(CCommandProtocol& p, int percent);
int GetByte_3100(CCommandProtocol& p);
bool SetByte_3101(CCommandProtocol& p, int value);
bool GetVector_3106(CCommandProtocol& p, AxisVector* out);
bool SetVector_3107(CCommandProtocol& p, const AxisVector* in);
// The outputs are written even when the query fails (then with 0).
bool GetTriple_3200(CCommandProtocol& p, int* a, int* b, int* c);
bool SetTriple_3201(CCommandProtocol& p, int a, int b, int c);
bool GetVector_3202(CCommandProtocol& p, AxisVector* out);
bool SetVector_3335(CCommandProtocol& p, const AxisVector* in);
// Set numbers outside their range fail without touching the machine.
bool GetWorkCoordinate(CCommandProtocol& p, int number, AxisVector* out);
bool SetWorkCoordinate(CCommandProtocol& p, int number, const AxisVector* in);
bool GetExtWorkCoordinate(CCommandProtocol& p, int number, AxisVector* out);
bool SetExtWorkCoordinate(CCommandProtocol& p, int number, const AxisVector* in);
bool SetFlag_3469(CCommandProtocol& p, int flag);
// Indexes outside 0..15 fail without touching the machine.
bool GetIndexedValue_346B(CCommandProtocol& p, int index, int* out);
bool SetIndexedValue_347B(CCommandProtocol& p, int index, int value);
bool SetHalf_3500(CCommandProtocol& p, int value);
bool SetHalfTriple_3501(CCommandProtocol& p, int a, int b, int c);

}  // namespace machine
