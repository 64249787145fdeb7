// Whether a firmware installation is running in this process. Its waits dispatch the window
// messages, so whatever those messages start must leave the machine and the tool's wrapper to
// the installation, and the window must not close under it.
#pragma once

bool InstallationRunning();

// Marks an installation as running for its lifetime.
class CInstallationScope {
 public:
  CInstallationScope();
  ~CInstallationScope();
  CInstallationScope(const CInstallationScope&) = delete;
  CInstallationScope& operator=(const CInstallationScope&) = delete;
};
