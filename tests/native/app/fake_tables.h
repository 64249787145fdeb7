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

// A table whose every operation records its call under "<HVX_FAKE_TABLE>.<name>" and answers
// FakeAnswer; each fake below derives from its table's and overrides what it does otherwise.
#define HVX_RECORDING_OP(slot, result, name, params, args, shape) \
  result name params override {                                   \
    return Hit<result>(HVX_FAKE_TABLE "." #name HVX_COMMA_ARGS args); \
  }

#define HVX_FAKE_TABLE "Connect"
class RecordingConnect : public CRemoteConnectAPI {
 public:
#define HVX_OP HVX_RECORDING_OP
#include "remote_connect_ops.def"
};
#undef HVX_FAKE_TABLE
#define HVX_FAKE_TABLE "Remote"
class RecordingRemoteControl : public CRemoteControlAPI {
 public:
#define HVX_OP HVX_RECORDING_OP
#include "remote_control_ops.def"
};
#undef HVX_FAKE_TABLE
#define HVX_FAKE_TABLE "RService"
class RecordingRemoteService : public CRemoteServiceAPI {
 public:
#define HVX_OP HVX_RECORDING_OP
#include "remote_service_ops.def"
};
#undef HVX_FAKE_TABLE
#define HVX_FAKE_TABLE "Control"
class RecordingControl : public CHVX40ControlAPI {
 public:
#define HVX_OP HVX_RECORDING_OP
#include "hvx40_control_ops.def"
};
#undef HVX_FAKE_TABLE
#define HVX_FAKE_TABLE "Service"
class RecordingService : public CHVX40ServiceAPI {
 public:
#define HVX_OP HVX_RECORDING_OP
#include "hvx40_service_ops.def"
};
#undef HVX_FAKE_TABLE
#undef HVX_RECORDING_OP

class FakeConnect : public RecordingConnect {
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
};

class FakeRemoteControl : public RecordingRemoteControl {
 public:
  std::string version = "V100";
  const char* GetVersion() override { return version.c_str(); }
};

class FakeRemoteService : public RecordingRemoteService {
 public:
  std::string version = "V102";
  const char* GetVersion() override { return version.c_str(); }
};

class FakeService : public RecordingService {
 public:
  std::string version = "V100";
  const char* GetVersion() override { return version.c_str(); }
};

#include "fake_control_table.h"
