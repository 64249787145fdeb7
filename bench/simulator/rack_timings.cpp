#include "rack_timings.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "harness/emulator_process.h"

namespace {

const int kRackSizes[] = {1, 2, 4, 8};
const int kCycles = 3;
const char kMotionScale[] = "10";
// An ageing run mostly waits for motion; more than this at eight machines needs a reason.
const double kAimRatio = 1.3;

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

double ProcessCpuSeconds(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
  return Seconds(kernel) + Seconds(user);
}

// Busy and total processor seconds of the whole machine (every process, wineserver included).
struct SystemCpu {
  double busy = 0;
  double total = 0;
  static SystemCpu Now() {
    FILETIME idle, kernel, user;
    SystemCpu now;
    if (!GetSystemTimes(&idle, &kernel, &user)) return now;
    now.total = Seconds(kernel) + Seconds(user);  // kernel time includes idle time
    now.busy = now.total - Seconds(idle);
    return now;
  }
};

HANDLE StartCtl(const std::string& machine) {
  std::string line = QuoteArgument(ProgramFolder() + "hvx40ctl.exe") +
                     " --simulator --quiet --machine " + QuoteArgument(machine) +
                     " ageing --cycles " + std::to_string(kCycles);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::vector<char> text(line.begin(), line.end());
  text.push_back('\0');
  if (!CreateProcessA(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

struct RackRun {
  double seconds = 0;    // the slowest run's wall time
  int failed = 0;        // runs that did not end with 0
  double ctlCpu = 0;     // processor seconds of the hvx40ctl processes
  double systemBusy = 0; // share of all processors busy meanwhile
};

RackRun RunRack(int machines) {
  RackRun result;
  std::vector<std::unique_ptr<CEmulatorProcess>> emulators;
  for (int n = 0; n < machines; ++n) {
    emulators.emplace_back(new CEmulatorProcess);
    if (!emulators.back()->Start({"/name", "Bench " + std::to_string(n + 1), "/motion-scale",
                                  kMotionScale})) {
      result.failed = machines;
      return result;
    }
  }
  const SystemCpu before = SystemCpu::Now();
  const DWORD start = GetTickCount();
  std::vector<HANDLE> runs;
  for (int n = 0; n < machines; ++n) runs.push_back(StartCtl("Bench " + std::to_string(n + 1)));
  for (HANDLE run : runs) {
    DWORD code = 1;
    if (run == nullptr || WaitForSingleObject(run, 300000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(run, &code) || code != 0) {
      ++result.failed;
    }
    if (run != nullptr) {
      result.ctlCpu += ProcessCpuSeconds(run);
      CloseHandle(run);
    }
  }
  result.seconds = (GetTickCount() - start) / 1000.0;
  const SystemCpu after = SystemCpu::Now();
  const double total = after.total - before.total;
  result.systemBusy = total > 0 ? (after.busy - before.busy) / total : 0;
  for (auto& emulator : emulators) emulator->Stop();
  return result;
}

}  // namespace

void MeasureRack() {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  std::printf("hvx40ctl ageing (%d cycles, /motion-scale %s), one per emulated machine at once, "
              "on %lu processors\n",
              kCycles, kMotionScale, static_cast<unsigned long>(system.dwNumberOfProcessors));
  double alone = 0;
  RackRun last;
  for (int machines : kRackSizes) {
    last = RunRack(machines);
    if (alone == 0) alone = last.seconds;
    std::printf("rack: %d machine%s %7.2f s   x%.2f one machine   hvx40ctl CPU %5.2f s   "
                "all processors %3.0f%% busy   (%d failed)\n",
                machines, machines == 1 ? " " : "s", last.seconds,
                alone > 0 ? last.seconds / alone : 0, last.ctlCpu, last.systemBusy * 100,
                last.failed);
  }
  const double ratio = alone > 0 ? last.seconds / alone : 0;
  if (ratio <= kAimRatio) {
    std::printf("rack: eight machines within x%.1f of one\n", kAimRatio);
  } else if (last.systemBusy > 0.8) {
    std::printf("rack: held back by the CPU: the processors were %.0f%% busy (the emulators, the "
                "runs' 100 ms polls and wineserver, and whatever else runs on this machine); the "
                "machines' locks are their own and the log lock is held for one line at a time\n",
                last.systemBusy * 100);
  } else {
    std::printf("rack: not the CPU (%.0f%% busy): the time beyond one machine is waiting, on the "
                "log files' lock or on wineserver, which serves every Wine process in turn\n",
                last.systemBusy * 100);
  }
}
