// The service library as the tool's wrapper loads it, but in process: Load answers a module and
// GetProc the exported getters, each answering its table of the given library tables. Only one
// exists at a time, as only one library is loaded.
#pragma once

#include "../../../service/wrapper/tool_platform.h"

class CLibraryTables;

class CInProcessLibrary : public CLibraryLoader {
 public:
  explicit CInProcessLibrary(CLibraryTables& tables);
  ~CInProcessLibrary() override;

  void* Load(const std::string& path) override;
  void* GetProc(void* module, const char* exportName) override;
  void Free(void*) override {}
};
