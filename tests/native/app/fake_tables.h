// Fake API tables that record every call (table.operation, arguments) and answer non-zero values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hvx40_api.h"

struct RecordedCall {
  std::string op;
  std::vector<intptr_t> args;
};

extern std::vector<RecordedCall> g_calls;
extern const char* const kFakeText;
constexpr int kFakeInt = 4321;

inline intptr_t AsArg(intptr_t v) { return v; }
inline intptr_t AsArg(const void* p) { return reinterpret_cast<intptr_t>(p); }

template <class R>
R FakeAnswer();
template <>
inline bool FakeAnswer<bool>() { return true; }
template <>
inline int FakeAnswer<int>() { return kFakeInt; }
template <>
inline const char* FakeAnswer<const char*>() { return kFakeText; }

template <class R, class... A>
R Hit(const char* op, A... args) {
  g_calls.push_back(RecordedCall{op, {AsArg(args)...}});
  return FakeAnswer<R>();
}

#define FAKE(R, table, name, params, ...) \
  R name params override { return Hit<R>(table "." #name, ##__VA_ARGS__); }

class FakeConnect : public CRemoteConnectAPI {
 public:
  std::string version = "V100";
  bool connectResult = true;
  std::vector<std::string> connected;
  const char* GetVersion() override { return version.c_str(); }
  bool Connect(const char* name) override {
    Hit<bool>("Connect.Connect", name);
    connected.push_back(name ? name : "");
    return connectResult;
  }
  FAKE(bool, "Connect", Reconnect, ())
  FAKE(bool, "Connect", CheckConnection, ())
  FAKE(int, "Connect", EnumerateDevices, ())
  FAKE(const char*, "Connect", GetDeviceNameAt, (int i), i)
  FAKE(int, "Connect", GetDeviceName, (char* b, int s), b, s)
  FAKE(bool, "Connect", Disconnect, ())
  FAKE(int, "Connect", GetStatus, (uint32_t* a, uint32_t* b), a, b)
};

class FakeRemoteControl : public CRemoteControlAPI {
 public:
  std::string version = "V100";
  const char* GetVersion() override { return version.c_str(); }
  FAKE(int, "Remote", GetStatus, (uint32_t* a, uint32_t* b), a, b)
  FAKE(int, "Remote", ReadDeviceBlock, (void* b, int s), b, s)
  FAKE(int, "Remote", GetString_0211, (char* b, int s), b, s)
  FAKE(int, "Remote", GetFirmwareVersion, (char* b, int s), b, s)
  FAKE(int, "Remote", GetSerialNumber, (char* b, int s), b, s)
  FAKE(int, "Remote", GetShortCode, (char* b, int s), b, s)
  FAKE(int, "Remote", GetValue_0207, ())
  FAKE(int, "Remote", GetDeviceId, (char* b, int s), b, s)
  FAKE(int, "Remote", GetValue_0230, ())
  FAKE(int, "Remote", GetInputState, ())
  FAKE(bool, "Remote", SetValue_023F, (int v), v)
  FAKE(bool, "Remote", SetValue_0240, (int v), v)
  FAKE(bool, "Remote", SetValue_0241, (int v), v)
  FAKE(bool, "Remote", SendZero_0275, ())
  FAKE(bool, "Remote", Command_0274, ())
  FAKE(bool, "Remote", SetTriple_0290, (int a, int b, int c), a, b, c)
  FAKE(int, "Remote", Unsupported, (int a, int b), a, b)
  FAKE(bool, "Remote", Command_02E6, ())
};

class FakeRemoteService : public CRemoteServiceAPI {
 public:
  std::string version = "V102";
  const char* GetVersion() override { return version.c_str(); }
  FAKE(int, "RService", GetStatus, (uint32_t* a, uint32_t* b), a, b)
  FAKE(bool, "RService", SetSerialNumber, (const char* t), t)
  FAKE(bool, "RService", SetShortCode, (const char* t), t)
  FAKE(int, "RService", GetValue_0205, ())
  FAKE(int, "RService", SetPair_0206, (int a, int b), a, b)
  FAKE(int, "RService", GetValue_0208, ())
  FAKE(int, "RService", SetValue_0209, (int v), v)
  FAKE(int, "RService", GetValue_020A, ())
  FAKE(int, "RService", SetValue_020B, (int v), v)
  FAKE(bool, "RService", GetBlock12_020D, (int* a, int* b, int* c), a, b, c)
  FAKE(bool, "RService", SetBlock12_020E, (const int* a, const int* b, const int* c), a, b, c)
  FAKE(bool, "RService", GetBlock6_020F, (uint8_t* o), o)
  FAKE(bool, "RService", SetBlock6_0210, (const uint8_t* i), i)
  FAKE(bool, "RService", EnterUpdateMode, (int m), m)
  FAKE(bool, "RService", SendZero_0279, ())
  FAKE(bool, "RService", SetByte_029A, (int v), v)
  FAKE(bool, "RService", Command_029B, ())
  FAKE(int, "RService", Command_029C, ())
  FAKE(bool, "RService", ReadWords_02C1, (uint16_t* b, int n), b, n)
  FAKE(bool, "RService", GetHalfPair_02C3, (int16_t* a, int16_t* b), a, b)
  FAKE(bool, "RService", Command_02C4, ())
  FAKE(bool, "RService", GetHalfPair_02C8, (int16_t* a, int16_t* b), a, b)
  FAKE(int, "RService", GetSystemReport, (char* b, int s), b, s)
  FAKE(int, "RService", GetParameters, (void* b, int s), b, s)
  FAKE(bool, "RService", PutParameters, (const void* d, int n), d, n)
  FAKE(bool, "RService", Command_02E5, ())
  FAKE(int, "RService", GetParameters2, (void* b, int s), b, s)
};

class FakeService : public CHVX40ServiceAPI {
 public:
  std::string version = "V100";
  const char* GetVersion() override { return version.c_str(); }
  FAKE(bool, "Service", ClearAllParameters, ())
};

#include "fake_control_table.h"

#undef FAKE
