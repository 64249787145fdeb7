#include "installation_guard.h"

namespace {

int g_installations = 0;

}  // namespace

bool InstallationRunning() { return g_installations > 0; }

CInstallationScope::CInstallationScope() { ++g_installations; }

CInstallationScope::~CInstallationScope() { --g_installations; }
