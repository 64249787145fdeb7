#include "fake_library.h"

#include <map>
#include <string>

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
  using L = FakeLibrary;
  static const std::map<std::string, void*> getters = {
      {"GetRemoteConnectAPI", reinterpret_cast<void*>(&Getter<CRemoteConnectAPI, FakeConnect, &L::connect>)},
      {"GetRemoteControlAPI",
       reinterpret_cast<void*>(&Getter<CRemoteControlAPI, FakeRemoteControl, &L::remoteControl>)},
      {"GetRemoteServiceAPI",
       reinterpret_cast<void*>(&Getter<CRemoteServiceAPI, FakeRemoteService, &L::remoteService>)},
      {"GetHVX40ControlAPI", reinterpret_cast<void*>(&Getter<CHVX40ControlAPI, FakeControl, &L::control>)},
      {"GetHVX40ServiceAPI", reinterpret_cast<void*>(&Getter<CHVX40ServiceAPI, FakeService, &L::service>)},
  };
  const auto found = getters.find(name);
  return found != getters.end() ? found->second : nullptr;
}
