#include "tool_timings.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../../tool/resources/resource.h"
#include "hvx_version.h"
#include "harness/emulator_process.h"
#include "harness/journal_file.h"
#include "main_window_driver.h"
#include "tool_session.h"
#include "window_driver.h"

namespace {

const char kMainCaption[] = HVX_MAIN_WINDOW_TITLE;
const DWORD kWaitMs = 15000;
const int kReleases = 10;
const DWORD kSilentMs = 10000;

// The emulator stamps its journal with this clock; it reads the same in every process.
unsigned long SteadyMs() {
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<unsigned long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

bool WaitForDump(CEmulatorProcess& emulator, const char* key, const std::string& value) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(20)) {
    if (emulator.Dump()[key] == value) return true;
  }
  return false;
}

// The stamp of the first stop in the journal at or after `since`, or -1.
long StopStampSince(const CJournalFile& journal, unsigned long since) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(5)) {
    for (const std::string& line : journal.LinesSinceMark()) {
      const unsigned long stamp = std::strtoul(line.c_str(), nullptr, 10);
      if (stamp >= since && line.find(" W 0273") != std::string::npos) return static_cast<long>(stamp);
    }
  }
  return -1;
}

// The tool beside a fresh emulator, its main window showing the machine ready.
struct ToolRun {
  CEmulatorProcess emulator;
  CToolSession tool;
  HWND main = nullptr;

  bool Start(const std::vector<std::string>& emulatorOptions) {
    if (!emulator.Start(emulatorOptions) || !tool.Start("/simulator")) return false;
    CWindowDriver driver(tool.process());
    main = driver.WaitForWindow(kMainCaption, kWaitMs);
    return main != nullptr &&
           WaitForItemText(main, IDC_MAIN_STATUS, "Ready", kWaitMs) == "Ready";
  }
  ~ToolRun() {
    if (main != nullptr) tool.Close(main);
    emulator.Stop();
  }
};

void PrintSpread(const char* name, std::vector<double> ms, int failures) {
  if (ms.empty()) {
    std::printf("%-34s no figure (%d failed)\n", name, failures);
    return;
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-34s median %7.1f ms  max %7.1f ms  (%zu runs, %d failed)\n", name,
              ms[ms.size() / 2], ms.back(), ms.size(), failures);
}

}  // namespace

void MeasureReleaseToStop() {
  CJournalFile journal(ProgramFolder() + "bench_release.journal");
  ToolRun run;
  if (!run.Start({"/journal", journal.path(), "/journal-ms"})) {
    std::puts("release to stop: the tool did not come up beside the emulator");
    return;
  }
  PostMessageA(GetDlgItem(run.main, IDC_MAIN_HIGH_SPEED), BM_CLICK, 0, 0);
  std::vector<double> figures;
  int failures = 0;
  for (int i = 0; i < kReleases; ++i) {
    run.emulator.Send("position 0 0 0");
    CHeldMouse hold(GetDlgItem(run.main, IDC_MAIN_JOG_X_PLUS));
    const bool moving = WaitForDump(run.emulator, "moving", "1");
    Sleep(200);
    journal.Mark();
    const unsigned long released = SteadyMs();
    hold.Release();
    const long stopped = moving ? StopStampSince(journal, released) : -1;
    if (stopped < 0) {
      ++failures;
    } else {
      figures.push_back(static_cast<double>(stopped - static_cast<long>(released)));
    }
    WaitForDump(run.emulator, "moving", "0");
  }
  PrintSpread("High Speed release to stop", figures, failures);
}

void MeasureSilentMachineAnswer() {
  ToolRun run;
  if (!run.Start({})) {
    std::puts("silent machine: the tool did not come up beside the emulator");
    return;
  }
  run.emulator.Send("fault noack on");
  std::vector<double> figures;
  int failures = 0;
  for (DWORD start = GetTickCount(); GetTickCount() - start < kSilentMs; Sleep(50)) {
    const auto before = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(run.main, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result)) {
      ++failures;
      continue;
    }
    figures.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count());
  }
  run.emulator.Send("fault noack off");
  PrintSpread("window answer, machine silent", figures, failures);
}
