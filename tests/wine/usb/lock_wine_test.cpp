// Two processes contend for the per-device lock through the transport and the system's named
// mutex. The device itself is replaced by an event handle: only the lock is under test here.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lock_roles.h"
#include "usb_print_transport.h"

namespace {

class CLockOnlyTransport : public CUsbPrintTransport {
 public:
  explicit CLockOnlyTransport(const std::string& name) : CUsbPrintTransport(nullptr) {
    SetDeviceName(name);
  }
  ~CLockOnlyTransport() override { Close(); }
  bool ResolveDevicePath(const char*, std::string& path) override {
    path = "no device";
    return true;
  }
  OsHandle OpenDevice(const std::string&, const std::string&) override {
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
  }
  bool CloseDevice(OsHandle device) override { return CloseHandle(device) != FALSE; }
};

std::string DeviceNameForThisRun() {
  return "HVX Lock Test " + std::to_string(GetCurrentProcessId());
}

// probe <timeout> <device name...>: one Lock with the time-out.
int ProbeRole(uint32_t timeoutMs, const std::string& device) {
  CLockOnlyTransport transport(device);
  if (!transport.Open()) return kOpenFailed;
  if (!transport.Lock(timeoutMs)) return kLockRefused;
  transport.Unlock();
  return kLockTaken;
}

// hold <ready event> <device name...>: takes the lock, says so, and exits while holding it.
int HoldAndExitRole(const std::string& readyEvent, const std::string& device) {
  CLockOnlyTransport transport(device);
  if (!transport.Open() || !transport.Lock(1000)) return kLockRefused;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, readyEvent.c_str());
  SetEvent(ready);
  Sleep(300);
  ExitProcess(kLockTaken);  // no Unlock, no destructor: the mutex is left abandoned
}

std::string JoinFrom(int first, int argc, char** argv) {
  std::string text;
  for (int i = first; i < argc; ++i) text += (i > first ? " " : "") + std::string(argv[i]);
  return text;
}

HANDLE StartRole(const std::string& arguments) {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string commandLine = "\"" + std::string(exe) + "\" --lock-role " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

int WaitForRole(HANDLE process) {
  if (process == nullptr) return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return static_cast<int>(code);
}

int RunRoleProcess(const std::string& arguments) { return WaitForRole(StartRole(arguments)); }

int Probe(uint32_t timeoutMs) {
  return RunRoleProcess("probe " + std::to_string(timeoutMs) + " " + DeviceNameForThisRun());
}

TEST(CrossProcessLock, AnotherProcessWaitsUntilEveryNestedLockIsReleased) {
  CLockOnlyTransport transport(DeviceNameForThisRun());
  ASSERT_TRUE(transport.Open());
  ASSERT_EQ(Probe(200), kLockTaken);

  ASSERT_TRUE(transport.Lock(1000));
  ASSERT_TRUE(transport.Lock(1000));
  EXPECT_EQ(transport.lockDepth(), 2u);
  EXPECT_EQ(Probe(300), kLockRefused);
  EXPECT_NE(transport.Unlock(), 0);
  EXPECT_EQ(Probe(300), kLockRefused);
  EXPECT_NE(transport.Unlock(), 0);
  EXPECT_EQ(transport.lockDepth(), 0u);
  EXPECT_EQ(Probe(300), kLockTaken);
}

TEST(CrossProcessLock, AHolderThatExitsLeavesTheLockAbandonedAndThenFree) {
  const std::string readyName = "HVX lock ready " + std::to_string(GetCurrentProcessId());
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  HANDLE holder = StartRole("hold \"" + readyName + "\" " + DeviceNameForThisRun());
  ASSERT_NE(holder, nullptr);
  ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);

  CLockOnlyTransport transport(DeviceNameForThisRun());
  ASSERT_TRUE(transport.Open());
  EXPECT_FALSE(transport.Lock(10000));  // the holder's exit abandons the mutex
  EXPECT_EQ(transport.lockDepth(), 0u);
  EXPECT_EQ(WaitForRole(holder), kLockTaken);
  CloseHandle(ready);

  // The abandoned wait must not leave the mutex owned by this process.
  EXPECT_EQ(Probe(1000), kLockTaken);
  EXPECT_TRUE(transport.Lock(1000));
  transport.Unlock();
}

}  // namespace

int RunLockRole(int argc, char** argv) {
  if (argc < 5) return kRoleUnknown;
  const std::string role = argv[2];
  const std::string device = JoinFrom(4, argc, argv);
  if (role == "probe") return ProbeRole(std::strtoul(argv[3], nullptr, 10), device);
  if (role == "hold") return HoldAndExitRole(argv[3], device);
  return kRoleUnknown;
}
