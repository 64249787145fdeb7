#include "fake_library.h"

#include <cstring>

std::vector<RecordedCall> g_calls;
const char* const kFakeText = "fake text";
FakeLibrary g_fakeLibrary;

namespace {

bool g_returnNull = false;

template <class Base, class Table, Table FakeLibrary::*member>
Base* Getter() {
  return g_returnNull ? nullptr : &(g_fakeLibrary.*member);
}

}  // namespace

void* FakeExport(const char* name, bool returnNull) {
  g_returnNull = returnNull;
  struct Entry {
    const char* name;
    void* getter;
  };
  static const Entry entries[] = {
      {"GetRemoteConnectAPI", reinterpret_cast<void*>(&Getter<CRemoteConnectAPI, FakeConnect, &FakeLibrary::connect>)},
      {"GetRemoteControlAPI",
       reinterpret_cast<void*>(&Getter<CRemoteControlAPI, FakeRemoteControl, &FakeLibrary::remoteControl>)},
      {"GetRemoteServiceAPI",
       reinterpret_cast<void*>(&Getter<CRemoteServiceAPI, FakeRemoteService, &FakeLibrary::remoteService>)},
      {"GetHVX40ControlAPI", reinterpret_cast<void*>(&Getter<CHVX40ControlAPI, FakeControl, &FakeLibrary::control>)},
      {"GetHVX40ServiceAPI", reinterpret_cast<void*>(&Getter<CHVX40ServiceAPI, FakeService, &FakeLibrary::service>)},
  };
  for (const Entry& entry : entries) {
    if (std::strcmp(entry.name, name) == 0) return entry.getter;
  }
  return nullptr;
}
