// The tool's controller wrapper: writes the device service library out of the tool's resources,
// loads it, binds five of its API tables and forwards every operation to the table it lives in.
// Each table pointer is checked at every call, so a wrapper that is partly bound serves the
// bound tables and answers zero for the others.
#pragma once

#include <string>

#include "../../library/api/hvx40_api.h"
#include "../../library/api/hvx40_facts.h"  // kModelName
#include "hvx_controller.h"
#include "tool_platform.h"

// Why loadController gave up; the value chooses the message the engineer sees.
enum DllInitError { kDllNotFound = 0, kDllFuncMissing = 1, kDllVersionMismatch = 2 };

extern const char* const kLibraryFileName;  // "HVX40CTR.DLL"

class CHVXAllCtr : public CHVXController {
 public:
  // Writes out and loads the library; failures are told by message boxes only.
  explicit CHVXAllCtr(CToolPlatform& platform);
  // An empty wrapper that does not touch the library until extractController is called.
  CHVXAllCtr(CToolPlatform& platform, bool deferLoading);
  // Loads the library installed at that full path (the console program's, beside it) instead of
  // writing one out; the file is the installation's and stays when the wrapper unloads.
  CHVXAllCtr(CToolPlatform& platform, const std::string& installedLibrary);
  ~CHVXAllCtr() override {}

  int extractController();
  int loadController();
  const std::string& LibraryPath() const { return libraryPath_; }
  bool IsLoaded() const { return module_ != nullptr; }
  bool IsBound() const { return AllTablesBound(); }

  void Unload() override;
  bool OutputBuffer(const void* data, int length, const char* jobName) override;

  // Zero of the result type when the table is not bound, the table's answer otherwise.
  template <class Table, class Result, class... Params, class... Args>
  static Result Forward(Table* table, Result (Table::*op)(Params...), Args... args) {
    if (table == nullptr) return Result();
    return (table->*op)(args...);
  }

#define HVX_SERVICE(op, ...) return Forward(service_, &CHVX40ServiceAPI::op, ##__VA_ARGS__)
#define HVX_CONTROL(op, ...) return Forward(control_, &CHVX40ControlAPI::op, ##__VA_ARGS__)
#define HVX_CONNECT(op, ...) return Forward(connect_, &CRemoteConnectAPI::op, ##__VA_ARGS__)
#define HVX_REMOTE(op, ...) return Forward(remoteControl_, &CRemoteControlAPI::op, ##__VA_ARGS__)
#define HVX_RSERVICE(op, ...) return Forward(remoteService_, &CRemoteServiceAPI::op, ##__VA_ARGS__)

  const char* GetServiceApiVersion() override { HVX_SERVICE(GetVersion); }
  bool ClearAllParameters() override { HVX_SERVICE(ClearAllParameters); }
  const char* GetControlApiVersion() override { HVX_CONTROL(GetVersion); }
  bool OutputFile(const char* const* path, const char* job) override { HVX_CONTROL(OutputFile, path, job); }
  bool SendData(const void* data, int length) override { HVX_CONTROL(SendData, data, length); }
  bool Command_0004() override { HVX_CONTROL(Command_0004); }
  int ReadDeviceBlock(void* buffer, int size) override { HVX_REMOTE(ReadDeviceBlock, buffer, size); }
  bool ReadDeviceRecord(void* record56) override { HVX_CONTROL(ReadDeviceRecord, record56); }
  bool GetPair_0248(int* a, int* b) override { HVX_CONTROL(GetPair_0248, a, b); }
  bool GetVector_0251(AxisVector* out) override { HVX_CONTROL(GetVector_0251, out); }
  bool GetCurrentPosition(AxisVector* out) override { HVX_CONTROL(GetCurrentPosition, out); }
  bool SetByte_0258(int value) override { HVX_CONTROL(SetByte_0258, value); }
  bool SetByte_025A(int value) override { HVX_CONTROL(SetByte_025A, value); }
  bool GetVectorPair_025B(AxisVector* a, AxisVector* b) override { HVX_CONTROL(GetVectorPair_025B, a, b); }
  bool GetVector_025E(AxisVector* out) override { HVX_CONTROL(GetVector_025E, out); }
  int SetVector_025F(const AxisVector* in) override { HVX_CONTROL(SetVector_025F, in); }
  bool GetVector_0265(AxisVector* out) override { HVX_CONTROL(GetVector_0265, out); }
  bool Move_0260(const AxisVector* t, int speed) override { HVX_CONTROL(Move_0260, t, speed); }
  bool Move_0262(const AxisVector* t, int speed) override { HVX_CONTROL(Move_0262, t, speed); }
  bool MoveTo(const AxisVector* t, int speed) override { HVX_CONTROL(MoveTo, t, speed); }
  bool Move_0264(const AxisVector* t, int a, int b) override { HVX_CONTROL(Move_0264, t, a, b); }
  bool SetSwitch_0270(int on) override { HVX_CONTROL(SetSwitch_0270, on); }
  bool Command_0272() override { HVX_CONTROL(Command_0272); }
  bool StopMotion() override { HVX_CONTROL(StopMotion); }
  bool Command_0276_02() override { HVX_CONTROL(Command_0276_02); }
  bool Command_0276_03() override { HVX_CONTROL(Command_0276_03); }
  bool Command_0276_FF() override { HVX_CONTROL(Command_0276_FF); }
  bool SendZero_0279() override { HVX_CONTROL(SendZero_0279); }
  int GetValue_027C() override { HVX_CONTROL(GetValue_027C); }
  bool SetValue_027D(int value) override { HVX_CONTROL(SetValue_027D, value); }
  bool GetUserCompensation(int* x, int* y, int* z) override { HVX_CONTROL(GetUserCompensation, x, y, z); }
  int SetUserCompensation(int x, int y, int z) override { HVX_CONTROL(SetUserCompensation, x, y, z); }
  bool SetByte_029A(int value) override { HVX_CONTROL(SetByte_029A, value); }
  bool Command_029B() override { HVX_CONTROL(Command_029B); }
  bool GetHalfPair_02C3(int16_t* a, int16_t* b) override { HVX_CONTROL(GetHalfPair_02C3, a, b); }
  bool Command_02C4() override { HVX_CONTROL(Command_02C4); }
  bool GetHalfPair_02C8(int16_t* a, int16_t* b) override { HVX_CONTROL(GetHalfPair_02C8, a, b); }
  bool GetRecord_0327(DeviceRecord16* out) override { HVX_CONTROL(GetRecord_0327, out); }
  int Command_0337() override { HVX_CONTROL(Command_0337); }
  bool MoveAxisX(int t, int speed, int cur) override { HVX_CONTROL(MoveAxisX, t, speed, cur); }
  bool MoveAxisY(int t, int speed, int cur) override { HVX_CONTROL(MoveAxisY, t, speed, cur); }
  bool MoveAxisZ(int t, int speed, int cur) override { HVX_CONTROL(MoveAxisZ, t, speed, cur); }
  int GetSpindleSpeed() override { HVX_CONTROL(GetSpindleSpeed); }
  int GetValue_3001() override { HVX_CONTROL(GetValue_3001); }
  bool SetValue_3002(int value) override { HVX_CONTROL(SetValue_3002, value); }
  bool GetPair_3003(int* a, int* b) override { HVX_CONTROL(GetPair_3003, a, b); }
  bool SetSpindleSpeed(int rpm) override { HVX_CONTROL(SetSpindleSpeed, rpm); }
  int GetSpindleOverride() override { HVX_CONTROL(GetSpindleOverride); }
  bool SetSpindleOverride(int percent) override { HVX_CONTROL(SetSpindleOverride, percent); }
  int GetByte_3100() override { HVX_CONTROL(GetByte_3100); }
  int SetByte_3101(int value) override { HVX_CONTROL(SetByte_3101, value); }
  bool GetVector_3106(AxisVector* out) override { HVX_CONTROL(GetVector_3106, out); }
  int SetVector_3107(const AxisVector* in) override { HVX_CONTROL(SetVector_3107, in); }
  bool GetTriple_3200(int* a, int* b, int* c) override { HVX_CONTROL(GetTriple_3200, a, b, c); }
  int SetTriple_3201(int a, int b, int c) override { HVX_CONTROL(SetTriple_3201, a, b, c); }
  bool GetVector_3202(AxisVector* out) override { HVX_CONTROL(GetVector_3202, out); }
  int SetVector_3335(const AxisVector* in) override { HVX_CONTROL(SetVector_3335, in); }
  bool GetWorkCoordinate(int n, AxisVector* out) override { HVX_CONTROL(GetWorkCoordinate, n, out); }
  bool SetWorkCoordinate(int n, const AxisVector* in) override { HVX_CONTROL(SetWorkCoordinate, n, in); }
  bool GetExtWorkCoordinate(int n, AxisVector* out) override { HVX_CONTROL(GetExtWorkCoordinate, n, out); }
  bool SetExtWorkCoordinate(int n, const AxisVector* in) override { HVX_CONTROL(SetExtWorkCoordinate, n, in); }
  bool SetFlag_3469(int flag) override { HVX_CONTROL(SetFlag_3469, flag); }
  bool GetIndexedValue_346B(int index, int* out) override { HVX_CONTROL(GetIndexedValue_346B, index, out); }
  int SetIndexedValue_347B(int index, int value) override { HVX_CONTROL(SetIndexedValue_347B, index, value); }
  bool SetHalf_3500(int value) override { HVX_CONTROL(SetHalf_3500, value); }
  bool SetHalfTriple_3501(int a, int b, int c) override { HVX_CONTROL(SetHalfTriple_3501, a, b, c); }
  int GetByte_0FFE() override { HVX_CONTROL(GetByte_0FFE); }
  bool SetBytePair_0FFD(int first, int flag) override { HVX_CONTROL(SetBytePair_0FFD, first, flag); }
  bool GetRecord_0FFC(DeviceRecord16* out) override { HVX_CONTROL(GetRecord_0FFC, out); }
  int Command_0FFB() override { HVX_CONTROL(Command_0FFB); }
  int GetByte_0FFF() override { HVX_CONTROL(GetByte_0FFF); }
  bool ConnectSimulator(int window) override { HVX_CONTROL(ConnectSimulator, window); }
  bool ConnectSimulatorNamed(const char* name, int window) override {
    HVX_CONTROL(ConnectSimulatorNamed, name, window);
  }
  const char* GetConnectApiVersion() override { HVX_CONNECT(GetVersion); }
  bool Connect(const char* deviceName) override { HVX_CONNECT(Connect, deviceName); }
  bool Reconnect() override { HVX_CONNECT(Reconnect); }
  bool CheckConnection() override { HVX_CONNECT(CheckConnection); }
  int EnumerateDevices() override { HVX_CONNECT(EnumerateDevices); }
  const char* GetDeviceNameAt(int index) override { HVX_CONNECT(GetDeviceNameAt, index); }
  int GetDeviceName(char* buffer, int size) override { HVX_CONNECT(GetDeviceName, buffer, size); }
  bool Disconnect() override { HVX_CONNECT(Disconnect); }
  const char* GetRemoteControlApiVersion() override { HVX_REMOTE(GetVersion); }
  int GetStatus(uint32_t* state, uint32_t* handshake) override { HVX_REMOTE(GetStatus, state, handshake); }
  int GetString_0211(char* buffer, int size) override { HVX_REMOTE(GetString_0211, buffer, size); }
  int GetFirmwareVersion(char* buffer, int size) override { HVX_REMOTE(GetFirmwareVersion, buffer, size); }
  int GetSerialNumber(char* buffer, int size) override { HVX_REMOTE(GetSerialNumber, buffer, size); }
  int GetShortCode(char* buffer, int size) override { HVX_REMOTE(GetShortCode, buffer, size); }
  int GetValue_0207() override { HVX_REMOTE(GetValue_0207); }
  int GetDeviceId(char* buffer, int size) override { HVX_REMOTE(GetDeviceId, buffer, size); }
  int GetValue_0230() override { HVX_REMOTE(GetValue_0230); }
  int GetInputState() override { HVX_REMOTE(GetInputState); }
  bool SetValue_023F(int value) override { HVX_REMOTE(SetValue_023F, value); }
  bool SetValue_0240(int value) override { HVX_REMOTE(SetValue_0240, value); }
  bool SetValue_0241(int value) override { HVX_REMOTE(SetValue_0241, value); }
  bool SendZero_0275() override { HVX_REMOTE(SendZero_0275); }
  bool Command_0274() override { HVX_REMOTE(Command_0274); }
  bool SetTriple_0290(int a, int b, int c) override { HVX_REMOTE(SetTriple_0290, a, b, c); }
  int Unsupported(int first, int second) override { HVX_REMOTE(Unsupported, first, second); }
  bool Command_02E6() override { HVX_REMOTE(Command_02E6); }
  const char* GetRemoteServiceApiVersion() override { HVX_RSERVICE(GetVersion); }
  bool SetSerialNumber(const char* text) override { HVX_RSERVICE(SetSerialNumber, text); }
  bool SetShortCode(const char* text) override { HVX_RSERVICE(SetShortCode, text); }
  int GetValue_0205() override { HVX_RSERVICE(GetValue_0205); }
  int SetPair_0206(int a, int b) override { HVX_RSERVICE(SetPair_0206, a, b); }
  int GetValue_0208() override { HVX_RSERVICE(GetValue_0208); }
  int SetValue_0209(int value) override { HVX_RSERVICE(SetValue_0209, value); }
  int GetValue_020A() override { HVX_RSERVICE(GetValue_020A); }
  int SetValue_020B(int value) override { HVX_RSERVICE(SetValue_020B, value); }
  bool GetBlock12_020D(int* a, int* b, int* c) override { HVX_RSERVICE(GetBlock12_020D, a, b, c); }
  bool SetBlock12_020E(const int* a, const int* b, const int* c) override { HVX_RSERVICE(SetBlock12_020E, a, b, c); }
  bool GetBlock6_020F(uint8_t* out6) override { HVX_RSERVICE(GetBlock6_020F, out6); }
  bool SetBlock6_0210(const uint8_t* in6) override { HVX_RSERVICE(SetBlock6_0210, in6); }
  bool EnterUpdateMode(int mode) override { HVX_RSERVICE(EnterUpdateMode, mode); }
  int Command_029C() override { HVX_RSERVICE(Command_029C); }
  bool ReadWords_02C1(uint16_t* buffer, int count) override { HVX_RSERVICE(ReadWords_02C1, buffer, count); }
  int GetSystemReport(char* buffer, int size) override { HVX_RSERVICE(GetSystemReport, buffer, size); }
  int GetParameters(void* buffer, int size) override { HVX_RSERVICE(GetParameters, buffer, size); }
  bool PutParameters(const void* data, int length) override { HVX_RSERVICE(PutParameters, data, length); }
  bool Command_02E5() override { HVX_RSERVICE(Command_02E5); }
  int GetParameters2(void* buffer, int size) override { HVX_RSERVICE(GetParameters2, buffer, size); }

#undef HVX_SERVICE
#undef HVX_CONTROL
#undef HVX_CONNECT
#undef HVX_REMOTE
#undef HVX_RSERVICE

 private:
  CHVXAllCtr(const CHVXAllCtr&) = delete;
  CHVXAllCtr& operator=(const CHVXAllCtr&) = delete;

  bool AllTablesBound() const;
  bool ExistingFileMatches(const std::vector<uint8_t>& image);
  template <class Table>
  void Bind(const char* exportName, const char* expectedVersion, Table*& slot);
  void ClearFields();

  CToolPlatform& platform_;
  void* module_ = nullptr;
  std::string libraryPath_;
  bool ownsLibraryFile_ = true;
  CHVX40ServiceAPI* service_ = nullptr;
  CHVX40ControlAPI* control_ = nullptr;
  CRemoteConnectAPI* connect_ = nullptr;
  CRemoteControlAPI* remoteControl_ = nullptr;
  CRemoteServiceAPI* remoteService_ = nullptr;
};
