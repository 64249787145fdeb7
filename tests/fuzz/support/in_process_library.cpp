#include "in_process_library.h"

#include <cstring>

#include "library_tables.h"

namespace {

CLibraryTables* g_tables = nullptr;

CRemoteConnectAPI* GetRemoteConnect() { return &g_tables->connect; }
CRemoteControlAPI* GetRemoteControl() { return &g_tables->control; }
CRemoteServiceAPI* GetRemoteService() { return &g_tables->service; }
CHVX40ControlAPI* GetHVX40Control() { return &g_tables->hvx; }
CHVX40ProductionAPI* GetHVX40Production() { return &g_tables->production; }
CHVX40ServiceAPI* GetHVX40Service() { return &g_tables->hvxService; }

struct Export {
  const char* name;
  void* getter;
};

template <class Getter>
void* Address(Getter getter) {
  return reinterpret_cast<void*>(getter);
}

}  // namespace

CInProcessLibrary::CInProcessLibrary(CLibraryTables& tables) { g_tables = &tables; }

CInProcessLibrary::~CInProcessLibrary() { g_tables = nullptr; }

void* CInProcessLibrary::Load(const std::string&) { return g_tables; }

void* CInProcessLibrary::GetProc(void*, const char* exportName) {
  const Export exports[] = {
      {"GetRemoteConnectAPI", Address(&GetRemoteConnect)},
      {"GetRemoteControlAPI", Address(&GetRemoteControl)},
      {"GetRemoteServiceAPI", Address(&GetRemoteService)},
      {"GetHVX40ControlAPI", Address(&GetHVX40Control)},
      {"GetHVX40ProductionAPI", Address(&GetHVX40Production)},
      {"GetHVX40ServiceAPI", Address(&GetHVX40Service)},
  };
  for (const Export& entry : exports) {
    if (std::strcmp(entry.name, exportName) == 0) return entry.getter;
  }
  return nullptr;
}
