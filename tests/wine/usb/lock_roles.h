// Second processes for the cross-process lock tests: the test program starts itself again with
// "--lock-role" and one of these roles.
#pragma once

// Exit codes of a role process.
enum LockRoleExit { kLockTaken = 0, kLockRefused = 1, kOpenFailed = 2, kRoleUnknown = 3 };

// Runs a role from the command line (argv[1] is "--lock-role"); its exit code.
int RunLockRole(int argc, char** argv);
