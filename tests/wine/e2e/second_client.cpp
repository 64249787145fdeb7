#include "second_client.h"

#include "harness/service_library.h"

int RunSecondClient(unsigned long runMs) {
  CServiceLibrary library;
  if (!library.Load() || !library.control->ConnectSimulator(0)) return 100;
  int failures = 0;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < runMs) {
    if (library.remoteControl->GetInputState() < 0) ++failures;
  }
  library.Unload();
  return failures;
}
