#include "hvx40_control_table.h"

#include "../controller/machine_commands.h"
#include "api_results.h"
#include "hvx40_facts.h"
#include "block_out.h"
#include "output_file.h"

using api::OneZero;

const char* CHVX40ControlTable::GetVersion() { return kApiVersion; }

bool CHVX40ControlTable::OutputFile(const char* const* path, const char* jobName) {
  return ::OutputFile(*controller_, path, jobName);
}
// Raw data goes straight to the bulk pipe, without the lock: the machine takes it as part of
// a job already under way.
bool CHVX40ControlTable::SendData(const void* data, int length) {
  return data != nullptr && length >= 0 &&
         controller_->transport()->BulkWrite(data, static_cast<uint32_t>(length));
}
bool CHVX40ControlTable::Command_0004() { return machine::Command_0004(*controller_); }
bool CHVX40ControlTable::ReadDeviceRecord(void* record56) {
  return machine::ReadDeviceRecord(*controller_, record56);
}
bool CHVX40ControlTable::GetPair_0248(int* a, int* b) {
  return machine::GetPair_0248(*controller_, a, b);
}
bool CHVX40ControlTable::GetVector_0251(AxisVector* out) {
  return machine::GetVector_0251(*controller_, out);
}
bool CHVX40ControlTable::GetCurrentPosition(AxisVector* out) {
  return machine::GetCurrentPosition(*controller_, out);
}
bool CHVX40ControlTable::SetByte_0258(int value) {
  return machine::SetByte_0258(*controller_, value);
}
bool CHVX40ControlTable::SetByte_025A(int value) {
  return machine::SetByte_025A(*controller_, value);
}
bool CHVX40ControlTable::GetVectorPair_025B(AxisVector* first, AxisVector* second) {
  return machine::GetVectorPair_025B(*controller_, first, second);
}
bool CHVX40ControlTable::GetVector_025E(AxisVector* out) {
  return machine::GetVector_025E(*controller_, out);
}
int CHVX40ControlTable::SetVector_025F(const AxisVector* in) {
  return OneZero(machine::SetVector_025F(*controller_, in));
}
bool CHVX40ControlTable::GetVector_0265(AxisVector* out) {
  return machine::GetVector_0265(*controller_, out);
}
bool CHVX40ControlTable::Move_0260(const AxisVector* target, int speed) {
  return machine::Move_0260(*controller_, target, speed);
}
bool CHVX40ControlTable::Move_0262(const AxisVector* target, int speed) {
  return machine::Move_0262(*controller_, target, speed);
}
bool CHVX40ControlTable::MoveTo(const AxisVector* target, int speed) {
  return machine::MoveTo(*controller_, target, speed);
}
bool CHVX40ControlTable::Move_0264(const AxisVector* target, int first, int second) {
  return machine::Move_0264(*controller_, target, first, second);
}
bool CHVX40ControlTable::SetSwitch_0270(int on) {
  return machine::SetSwitch_0270(*controller_, on);
}
bool CHVX40ControlTable::Command_0272() { return machine::Command_0272(*controller_); }
bool CHVX40ControlTable::StopMotion() { return machine::StopMotion(*controller_); }
bool CHVX40ControlTable::Command_0276_02() { return machine::Command_0276_02(*controller_); }
bool CHVX40ControlTable::Command_0276_03() { return machine::Command_0276_03(*controller_); }
bool CHVX40ControlTable::Command_0276_FF() { return machine::Command_0276_FF(*controller_); }
bool CHVX40ControlTable::SendZero_0279() { return machine::SendZero_0279(*controller_); }
int CHVX40ControlTable::GetValue_027C() { return machine::GetValue_027C(*controller_); }
bool CHVX40ControlTable::SetValue_027D(int value) {
  return machine::SetValue_027D(*controller_, value);
}
bool CHVX40ControlTable::GetUserCompensation(int* x, int* y, int* z) {
  return machine::GetUserCompensation(*controller_, x, y, z);
}
int CHVX40ControlTable::SetUserCompensation(int x, int y, int z) {
  return OneZero(machine::SetUserCompensation(*controller_, x, y, z));
}
bool CHVX40ControlTable::SetByte_029A(int value) {
  return machine::SetByte_029A(*controller_, value);
}
bool CHVX40ControlTable::Command_029B() { return machine::Command_029B(*controller_); }
int CHVX40ControlTable::GetSystemReport(char* buffer, int size) {
  return api::ReadBlockOut(*controller_, machine::GetSystemReport, buffer, size);
}
bool CHVX40ControlTable::GetHalfPair_02C3(int16_t* a, int16_t* b) {
  return machine::GetHalfPair_02C3(*controller_, a, b);
}
bool CHVX40ControlTable::Command_02C4() { return machine::Command_02C4(*controller_); }
bool CHVX40ControlTable::GetHalfPair_02C8(int16_t* a, int16_t* b) {
  return machine::GetHalfPair_02C8(*controller_, a, b);
}
bool CHVX40ControlTable::GetRecord_0327(DeviceRecord16* out) {
  return machine::GetRecord_0327(*controller_, out);
}
int CHVX40ControlTable::Command_0337() { return OneZero(machine::Command_0337(*controller_)); }
bool CHVX40ControlTable::MoveAxisX(int target, int speed, int current) {
  return machine::MoveAxisX(*controller_, target, speed, current);
}
bool CHVX40ControlTable::MoveAxisY(int target, int speed, int current) {
  return machine::MoveAxisY(*controller_, target, speed, current);
}
bool CHVX40ControlTable::MoveAxisZ(int target, int speed, int current) {
  return machine::MoveAxisZ(*controller_, target, speed, current);
}
int CHVX40ControlTable::GetSpindleSpeed() { return machine::GetSpindleSpeed(*controller_); }
int CHVX40ControlTable::GetValue_3001() { return machine::GetValue_3001(*controller_); }
bool CHVX40ControlTable::SetValue_3002(int value) {
  return machine::SetValue_3002(*controller_, value);
}
bool CHVX40ControlTable::GetPair_3003(int* a, int* b) {
  return machine::GetPair_3003(*controller_, a, b);
}
bool CHVX40ControlTable::SetSpindleSpeed(int rpm) {
  return machine::SetSpindleSpeed(*controller_, rpm);
}
int CHVX40ControlTable::GetSpindleOverride() { return machine::GetSpindleOverride(*controller_); }
bool CHVX40ControlTable::SetSpindleOverride(int percent) {
  return machine::SetSpindleOverride(*controller_, percent);
}
int CHVX40ControlTable::GetByte_3100() { return machine::GetByte_3100(*controller_); }
int CHVX40ControlTable::SetByte_3101(int value) {
  return OneZero(machine::SetByte_3101(*controller_, value));
}
bool CHVX40ControlTable::GetVector_3106(AxisVector* out) {
  return machine::GetVector_3106(*controller_, out);
}
int CHVX40ControlTable::SetVector_3107(const AxisVector* in) {
  return OneZero(machine::SetVector_3107(*controller_, in));
}
bool CHVX40ControlTable::GetTriple_3200(int* a, int* b, int* c) {
  return machine::GetTriple_3200(*controller_, a, b, c);
}
int CHVX40ControlTable::SetTriple_3201(int a, int b, int c) {
  return OneZero(machine::SetTriple_3201(*controller_, a, b, c));
}
bool CHVX40ControlTable::GetVector_3202(AxisVector* out) {
  return machine::GetVector_3202(*controller_, out);
}
int CHVX40ControlTable::SetVector_3335(const AxisVector* in) {
  return OneZero(machine::SetVector_3335(*controller_, in));
}
bool CHVX40ControlTable::GetWorkCoordinate(int number, AxisVector* out) {
  return machine::GetWorkCoordinate(*controller_, number, out);
}
bool CHVX40ControlTable::SetWorkCoordinate(int number, const AxisVector* in) {
  return machine::SetWorkCoordinate(*controller_, number, in);
}
bool CHVX40ControlTable::GetExtWorkCoordinate(int number, AxisVector* out) {
  return machine::GetExtWorkCoordinate(*controller_, number, out);
}
bool CHVX40ControlTable::SetExtWorkCoordinate(int number, const AxisVector* in) {
  return machine::SetExtWorkCoordinate(*controller_, number, in);
}
bool CHVX40ControlTable::SetFlag_3469(int flag) {
  return machine::SetFlag_3469(*controller_, flag);
}
bool CHVX40ControlTable::GetIndexedValue_346B(int index, int* out) {
  return machine::GetIndexedValue_346B(*controller_, index, out);
}
int CHVX40ControlTable::SetIndexedValue_347B(int index, int value) {
  return OneZero(machine::SetIndexedValue_347B(*controller_, index, value));
}
bool CHVX40ControlTable::SetHalf_3500(int value) {
  return machine::SetHalf_3500(*controller_, value);
}
bool CHVX40ControlTable::SetHalfTriple_3501(int a, int b, int c) {
  return machine::SetHalfTriple_3501(*controller_, a, b, c);
}
int CHVX40ControlTable::GetByte_0FFE() { return machine::GetByte_0FFE(*controller_); }
bool CHVX40ControlTable::SetBytePair_0FFD(int first, int flag) {
  return machine::SetBytePair_0FFD(*controller_, first, flag);
}
bool CHVX40ControlTable::GetRecord_0FFC(DeviceRecord16* out) {
  return machine::GetRecord_0FFC(*controller_, out);
}
int CHVX40ControlTable::Command_0FFB() { return OneZero(machine::Command_0FFB(*controller_)); }
int CHVX40ControlTable::GetByte_0FFF() { return machine::GetByte_0FFF(*controller_); }
bool CHVX40ControlTable::ConnectSimulator(int windowHandle) {
  return controller_->ConnectSimulator(windowHandle);
}
// A missing name is no device: nothing is switched.
bool CHVX40ControlTable::ConnectSimulatorNamed(const char* deviceName, int windowHandle) {
  if (deviceName == nullptr) return false;
  return controller_->ConnectSimulatorNamed(deviceName, windowHandle);
}
