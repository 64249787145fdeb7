// The fake library's five tables and its exported getters, as a loader hands them out.
#pragma once

#include "fake_tables.h"

struct FakeLibrary {
  FakeConnect connect;
  FakeRemoteControl remoteControl;
  FakeRemoteService remoteService;
  FakeControl control;
  FakeService service;
  void Reset() { *this = FakeLibrary(); }
};

extern FakeLibrary g_fakeLibrary;

// The getter exported under that name; returnNull makes it answer no table.
void* FakeExport(const char* exportName, bool returnNull);
