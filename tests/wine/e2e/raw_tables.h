// The six tables of HVX40ServiceAPI.dll declared here, slot by slot, apart from the header that
// the library, the tool and the other tests share. A slot moved or retyped there still compiles
// everywhere else; here the call lands on another operation, and the machine's journal shows it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace raw {

struct Vector {  // six signed 32-bit values, X, Y, Z first
  int32_t value[6];
};
struct Record16 {  // two 32-bit values, then four 16-bit values
  uint32_t a, b;
  uint16_t c, d[3];
};

struct ConnectTable {  // "V100", 9 slots
  /* 0 */ virtual const char* GetVersion() = 0;
  /* 1 */ virtual bool Connect(const char* deviceName) = 0;
  /* 2 */ virtual bool Reconnect() = 0;
  /* 3 */ virtual bool CheckConnection() = 0;
  /* 4 */ virtual int EnumerateDevices() = 0;
  /* 5 */ virtual const char* GetDeviceNameAt(int index) = 0;
  /* 6 */ virtual int GetDeviceName(char* buffer, int size) = 0;
  /* 7 */ virtual bool Disconnect() = 0;
  /* 8 */ virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;
};

struct ControlTable {  // "V100", 19 slots
  /* 0 */ virtual const char* GetVersion() = 0;
  /* 1 */ virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;
  /* 2 */ virtual int ReadDeviceBlock(void* buffer, int size) = 0;
  /* 3 */ virtual int GetString_0211(char* buffer, int size) = 0;
  /* 4 */ virtual int GetFirmwareVersion(char* buffer, int size) = 0;
  /* 5 */ virtual int GetSerialNumber(char* buffer, int size) = 0;
  /* 6 */ virtual int GetShortCode(char* buffer, int size) = 0;
  /* 7 */ virtual int GetValue_0207() = 0;
  /* 8 */ virtual int GetDeviceId(char* buffer, int size) = 0;
  /* 9 */ virtual int GetValue_0230() = 0;
  /* 10 */ virtual int GetInputState() = 0;
  /* 11 */ virtual bool SetValue_023F(int32_t value) = 0;
  /* 12 */ virtual bool SetValue_0240(int32_t value) = 0;
  /* 13 */ virtual bool SetValue_0241(int32_t value) = 0;
  /* 14 */ virtual bool SendZero_0275() = 0;
  /* 15 */ virtual bool Command_0274() = 0;
  /* 16 */ virtual bool SetTriple_0290(int32_t a, int32_t b, int32_t c) = 0;
  /* 17 */ virtual int Unsupported(int32_t first, int32_t second) = 0;
  /* 18 */ virtual bool Command_02E6() = 0;
};

struct ServiceTable {  // "V102", 28 slots
  /* 0 */ virtual const char* GetVersion() = 0;
  /* 1 */ virtual int GetStatus(uint32_t* stateWord, uint32_t* handshakeWord) = 0;
  /* 2 */ virtual bool SetSerialNumber(const char* text) = 0;
  /* 3 */ virtual bool SetShortCode(const char* text) = 0;
  /* 4 */ virtual int GetValue_0205() = 0;
  /* 5 */ virtual int SetPair_0206(int32_t a, int32_t b) = 0;
  /* 6 */ virtual int GetValue_0208() = 0;
  /* 7 */ virtual int SetValue_0209(int32_t value) = 0;
  /* 8 */ virtual int GetValue_020A() = 0;
  /* 9 */ virtual int SetValue_020B(int32_t value) = 0;
  /* 10 */ virtual bool GetBlock12_020D(int32_t* a, int32_t* b, int32_t* c) = 0;
  /* 11 */ virtual bool SetBlock12_020E(const int32_t* a, const int32_t* b, const int32_t* c) = 0;
  /* 12 */ virtual bool GetBlock6_020F(uint8_t* out6) = 0;
  /* 13 */ virtual bool SetBlock6_0210(const uint8_t* in6) = 0;
  /* 14 */ virtual bool EnterUpdateMode(int mode) = 0;
  /* 15 */ virtual bool SendZero_0279() = 0;
  /* 16 */ virtual bool SetByte_029A(int value) = 0;
  /* 17 */ virtual bool Command_029B() = 0;
  /* 18 */ virtual int Command_029C() = 0;
  /* 19 */ virtual bool ReadWords_02C1(uint16_t* buffer, int count) = 0;
  /* 20 */ virtual bool GetHalfPair_02C3(int16_t* a, int16_t* b) = 0;
  /* 21 */ virtual bool Command_02C4() = 0;
  /* 22 */ virtual bool GetHalfPair_02C8(int16_t* a, int16_t* b) = 0;
  /* 23 */ virtual int GetSystemReport(char* buffer, int size) = 0;
  /* 24 */ virtual int GetParameters(void* buffer, int size) = 0;
  /* 25 */ virtual bool PutParameters(const void* data, int length) = 0;
  /* 26 */ virtual bool Command_02E5() = 0;
  /* 27 */ virtual int GetParameters2(void* buffer, int size) = 0;
};

struct MachineTable {  // "V100", 70 slots
  /* 0 */ virtual const char* GetVersion() = 0;
  /* 1 */ virtual bool OutputFile(const char* const* path, const char* jobName) = 0;
  /* 2 */ virtual bool SendData(const void* data, int length) = 0;
  /* 3 */ virtual bool Command_0004() = 0;
  /* 4 */ virtual bool ReadDeviceRecord(void* record56) = 0;
  /* 5 */ virtual bool GetPair_0248(int32_t* a, int32_t* b) = 0;
  /* 6 */ virtual bool GetVector_0251(Vector* out) = 0;
  /* 7 */ virtual bool GetCurrentPosition(Vector* out) = 0;
  /* 8 */ virtual bool SetByte_0258(int value) = 0;
  /* 9 */ virtual bool SetByte_025A(int value) = 0;
  /* 10 */ virtual bool GetVectorPair_025B(Vector* first, Vector* second) = 0;
  /* 11 */ virtual bool GetVector_025E(Vector* out) = 0;
  /* 12 */ virtual int SetVector_025F(const Vector* in) = 0;
  /* 13 */ virtual bool GetVector_0265(Vector* out) = 0;
  /* 14 */ virtual bool Move_0260(const Vector* target, int speed) = 0;
  /* 15 */ virtual bool Move_0262(const Vector* target, int speed) = 0;
  /* 16 */ virtual bool MoveTo(const Vector* target, int speed) = 0;
  /* 17 */ virtual bool Move_0264(const Vector* target, int first, int second) = 0;
  /* 18 */ virtual bool SetSwitch_0270(int on) = 0;
  /* 19 */ virtual bool Command_0272() = 0;
  /* 20 */ virtual bool StopMotion() = 0;
  /* 21 */ virtual bool Command_0276_02() = 0;
  /* 22 */ virtual bool Command_0276_03() = 0;
  /* 23 */ virtual bool Command_0276_FF() = 0;
  /* 24 */ virtual bool SendZero_0279() = 0;
  /* 25 */ virtual int GetValue_027C() = 0;
  /* 26 */ virtual bool SetValue_027D(int32_t value) = 0;
  /* 27 */ virtual bool GetUserCompensation(int* x, int* y, int* z) = 0;
  /* 28 */ virtual int SetUserCompensation(int x, int y, int z) = 0;
  /* 29 */ virtual bool SetByte_029A(int value) = 0;
  /* 30 */ virtual bool Command_029B() = 0;
  /* 31 */ virtual int GetSystemReport(char* buffer, int size) = 0;
  /* 32 */ virtual bool GetHalfPair_02C3(int16_t* a, int16_t* b) = 0;
  /* 33 */ virtual bool Command_02C4() = 0;
  /* 34 */ virtual bool GetHalfPair_02C8(int16_t* a, int16_t* b) = 0;
  /* 35 */ virtual bool GetRecord_0327(Record16* out) = 0;
  /* 36 */ virtual int Command_0337() = 0;
  /* 37 */ virtual bool MoveAxisX(int target, int speed, int current) = 0;
  /* 38 */ virtual bool MoveAxisY(int target, int speed, int current) = 0;
  /* 39 */ virtual bool MoveAxisZ(int target, int speed, int current) = 0;
  /* 40 */ virtual int GetSpindleSpeed() = 0;
  /* 41 */ virtual int GetValue_3001() = 0;
  /* 42 */ virtual bool SetValue_3002(int32_t value) = 0;
  /* 43 */ virtual bool GetPair_3003(int32_t* a, int32_t* b) = 0;
  /* 44 */ virtual bool SetSpindleSpeed(int32_t rpm) = 0;
  /* 45 */ virtual int GetSpindleOverride() = 0;
  /* 46 */ virtual bool SetSpindleOverride(int percent) = 0;
  /* 47 */ virtual int GetByte_3100() = 0;
  /* 48 */ virtual int SetByte_3101(int value) = 0;
  /* 49 */ virtual bool GetVector_3106(Vector* out) = 0;
  /* 50 */ virtual int SetVector_3107(const Vector* in) = 0;
  /* 51 */ virtual bool GetTriple_3200(int* a, int* b, int* c) = 0;
  /* 52 */ virtual int SetTriple_3201(int a, int b, int c) = 0;
  /* 53 */ virtual bool GetVector_3202(Vector* out) = 0;
  /* 54 */ virtual int SetVector_3335(const Vector* in) = 0;
  /* 55 */ virtual bool GetWorkCoordinate(int number, Vector* out) = 0;
  /* 56 */ virtual bool SetWorkCoordinate(int number, const Vector* in) = 0;
  /* 57 */ virtual bool GetExtWorkCoordinate(int number, Vector* out) = 0;
  /* 58 */ virtual bool SetExtWorkCoordinate(int number, const Vector* in) = 0;
  /* 59 */ virtual bool SetFlag_3469(int flag) = 0;
  /* 60 */ virtual bool GetIndexedValue_346B(int index, int32_t* out) = 0;
  /* 61 */ virtual int SetIndexedValue_347B(int index, int32_t value) = 0;
  /* 62 */ virtual bool SetHalf_3500(int value) = 0;
  /* 63 */ virtual bool SetHalfTriple_3501(int a, int b, int c) = 0;
  /* 64 */ virtual int GetByte_0FFE() = 0;
  /* 65 */ virtual bool SetBytePair_0FFD(int first, int flag) = 0;
  /* 66 */ virtual bool GetRecord_0FFC(Record16* out) = 0;
  /* 67 */ virtual int Command_0FFB() = 0;
  /* 68 */ virtual int GetByte_0FFF() = 0;
  /* 69 */ virtual bool ConnectSimulator(int windowHandle) = 0;
  /* 70 */ virtual bool ConnectSimulatorNamed(const char* deviceName, int windowHandle) = 0;
};

struct ProductionTable {  // "V100", 6 slots
  /* 0 */ virtual const char* GetVersion() = 0;
  /* 1 */ virtual bool Command_0231_FF() = 0;
  /* 2 */ virtual bool Command_0231_00() = 0;
  /* 3 */ virtual bool GetCompensation2(int* x, int* y, int* z) = 0;
  /* 4 */ virtual int SetCompensation2(int x, int y, int z) = 0;
  /* 5 */ virtual bool WriteWords_02C2(const uint16_t* data, int count) = 0;
};

struct DestructiveTable {  // "V100", 2 slots
  /* 0 */ virtual const char* GetVersion() = 0;
  /* 1 */ virtual bool ClearAllParameters() = 0;
};

// The six tables of the library already loaded in this process, by their exported getters.
struct Tables {
  ConnectTable* connect = nullptr;
  ControlTable* remoteControl = nullptr;
  ServiceTable* remoteService = nullptr;
  MachineTable* control = nullptr;
  ProductionTable* production = nullptr;
  DestructiveTable* service = nullptr;

  bool Bind() {
    HMODULE module = GetModuleHandleA("HVX40ServiceAPI.dll");
    return module && Get(module, "GetRemoteConnectAPI", connect) &&
           Get(module, "GetRemoteControlAPI", remoteControl) &&
           Get(module, "GetRemoteServiceAPI", remoteService) &&
           Get(module, "GetHVX40ControlAPI", control) &&
           Get(module, "GetHVX40ProductionAPI", production) &&
           Get(module, "GetHVX40ServiceAPI", service);
  }

 private:
  template <typename Table>
  static bool Get(HMODULE module, const char* getter, Table*& table) {
    typedef Table* (*Getter)();
    Getter get = reinterpret_cast<Getter>(reinterpret_cast<void*>(GetProcAddress(module, getter)));
    table = get ? get() : nullptr;
    return table != nullptr;
  }
};

}  // namespace raw
