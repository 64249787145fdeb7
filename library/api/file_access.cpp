#include "file_access.h"

namespace {
CFileAccess* g_installed = nullptr;
}

CFileAccess& FileAccess() { return g_installed != nullptr ? *g_installed : SystemFileAccess(); }

void SetFileAccess(CFileAccess* access) { g_installed = access; }
