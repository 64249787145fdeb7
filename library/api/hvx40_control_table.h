// The machine's own control table: positions and moves, spindle, compensation, coordinate
// sets, records, files sent as jobs, and the switch to the simulator.
#pragma once

#include "../controller/command_protocol.h"
#include "hvx40_api.h"

class CHVX40ControlTable final : public CHVX40ControlAPI {
 public:
  constexpr explicit CHVX40ControlTable(CCommandProtocol* controller)
      : controller_(controller) {}

  const char* GetVersion() override;
  bool OutputFile(const char* const* path, const char* jobName) override;
  bool SendData(const void* data, int length) override;
  bool Command_0004() override;
  bool ReadDeviceRecord(void* record56) override;
  bool GetPair_0248(int* a, int* b) override;
  bool GetVector_0251(AxisVector* out) override;
  bool GetCurrentPosition(AxisVector* out) override;
  bool SetByte_0258(int value) override;
  bool SetByte_025A(int value) override;
  bool GetVectorPair_025B(AxisVector* first, AxisVector* second) override;
  bool GetVector_025E(AxisVector* out) override;
  int SetVector_025F(const AxisVector* in) override;
  bool GetVector_0265(AxisVector* out) override;
  bool Move_0260(const AxisVector* target, int speed) override;
  bool Move_0262(const AxisVector* target, int speed) override;
  bool MoveTo(const AxisVector* target, int speed) override;
  bool Move_0264(const AxisVector* target, int first, int second) override;
  bool SetSwitch_0270(int on) override;
  bool Command_0272() override;
  bool StopMotion() override;
  bool Command_0276_02() override;
  bool Command_0276_03() override;
  bool Command_0276_FF() override;
  bool SendZero_0279() override;
  int GetValue_027C() override;
  bool SetValue_027D(int value) override;
  bool GetUserCompensation(int* x, int* y, int* z) override;
  int SetUserCompensation(int x, int y, int z) override;
  bool SetByte_029A(int value) override;
  bool Command_029B() override;
  int GetSystemReport(char* buffer, int size) override;
  bool GetHalfPair_02C3(int16_t* a, int16_t* b) override;
  bool Command_02C4() override;
  bool GetHalfPair_02C8(int16_t* a, int16_t* b) override;
  bool GetRecord_0327(DeviceRecord16* out) override;
  int Command_0337() override;
  bool MoveAxisX(int target, int speed, int current) override;
  bool MoveAxisY(int target, int speed, int current) override;
  bool MoveAxisZ(int target, int speed, int current) override;
  int GetSpindleSpeed() override;
  int GetValue_3001() override;
  bool SetValue_3002(int value) override;
  bool GetPair_3003(int* a, int* b) override;
  bool SetSpindleSpeed(int rpm) override;
  int GetSpindleOverride() override;
  bool SetSpindleOverride(int percent) override;
  int GetByte_3100() override;
  int SetByte_3101(int value) override;
  bool GetVector_3106(AxisVector* out) override;
  int SetVector_3107(const AxisVector* in) override;
  bool GetTriple_3200(int* a, int* b, int* c) override;
  int SetTriple_3201(int a, int b, int c) override;
  bool GetVector_3202(AxisVector* out) override;
  int SetVector_3335(const AxisVector* in) override;
  bool GetWorkCoordinate(int number, AxisVector* out) override;
  bool SetWorkCoordinate(int number, const AxisVector* in) override;
  bool GetExtWorkCoordinate(int number, AxisVector* out) override;
  bool SetExtWorkCoordinate(int number, const AxisVector* in) override;
  bool SetFlag_3469(int flag) override;
  bool GetIndexedValue_346B(int index, int* out) override;
  int SetIndexedValue_347B(int index, int value) override;
  bool SetHalf_3500(int value) override;
  bool SetHalfTriple_3501(int a, int b, int c) override;
  int GetByte_0FFE() override;
  bool SetBytePair_0FFD(int first, int flag) override;
  bool GetRecord_0FFC(DeviceRecord16* out) override;
  int Command_0FFB() override;
  int GetByte_0FFF() override;
  bool ConnectSimulator(int windowHandle) override;
  bool ConnectSimulatorNamed(const char* deviceName, int windowHandle) override;

 private:
  CCommandProtocol* controller_;
};
