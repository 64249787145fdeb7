// Timings of HVX40ServiceAPI.dll against the emulator, through the tables as the tool calls
// them: the latency of single operations and of one main-window tick, and the throughput of
// the bulk transfers. A measuring program, not a test: it prints figures and judges nothing.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "harness/emulator_process.h"
#include "harness/service_library.h"
#include "link_floor.h"
#include "rack_timings.h"
#include "timing.h"
#include "tool_timings.h"

namespace {

const int kLatencyCalls = 200;
const int kReportBytes = 1024 * 1024;
const char kDeviceName[] = "Varnel HVX-40";

// Measured in the same run as the figures it is the floor of, before the library connects.
bool MeasureFloor() {
  const Summary floor = MeasureLinkFloor(kDeviceName, kLatencyCalls);
  std::puts(LatencyLine("floor: status read, link alone", kLatencyCalls, floor).c_str());
  if (floor.failures == kLatencyCalls) return false;
  SetFloor(floor.median);
  return true;
}

// Waits (unmeasured) until the machine stands still, so every move starts from rest.
void WaitForStandstill(CServiceLibrary& library) {
  for (int i = 0; i < 400; ++i) {
    uint32_t state = 0, handshake = 0;
    if (library.connect->GetStatus(&state, &handshake) == 1 && !(state & 0x800)) return;
    Sleep(5);
  }
}

void MeasureLatencies(CServiceLibrary& library) {
  CHVX40ControlAPI* control = library.control;
  CRemoteControlAPI* remote = library.remoteControl;
  uint32_t state = 0, handshake = 0;
  std::puts(LatencyLine("GetStatus", kLatencyCalls, Measure(kLatencyCalls, [&] {
              return library.connect->GetStatus(&state, &handshake) == 1;
            })).c_str());

  AxisVector target = {{0, 0, 0, 0, 0, 0}};
  int step = 0;
  std::puts(LatencyLine("MoveTo (acceptance)", 50, Measure(50, [&] {
              target.value[0] = (++step % 2) * 100;
              return control->MoveTo(&target, 100);
            }, [&] { WaitForStandstill(library); })).c_str());

  std::puts(LatencyLine("GetInputState (query)", kLatencyCalls, Measure(kLatencyCalls, [&] {
              return remote->GetInputState() != -1;
            })).c_str());

  char text[256];
  AxisVector position;
  std::puts(LatencyLine("main-window tick (7 reads)", 100, Measure(100, [&] {
              bool ok = library.connect->GetStatus(&state, &handshake) == 1;
              ok = remote->GetInputState() != -1 && ok;
              ok = control->GetCurrentPosition(&position) && ok;
              ok = control->GetSpindleSpeed() != -1 && ok;
              ok = control->GetSpindleOverride() != -1 && ok;
              ok = remote->GetFirmwareVersion(text, sizeof text) > 0 && ok;
              ok = remote->GetSerialNumber(text, sizeof text) > 0 && ok;
              return ok;
            })).c_str());
}

// Throughput of one transfer repeated: kilobytes per second over the total time.
void PrintThroughput(const char* name, int bytes, int repeats, const std::function<bool()>& call) {
  int failures = 0;
  double total = 0;
  for (int i = 0; i < repeats; ++i) {
    bool ok = true;
    total += TimeCall([&] { ok = call(); });
    if (!ok) ++failures;
  }
  double kbPerSecond = (static_cast<double>(bytes) * repeats / 1024.0) / (total / 1000.0);
  std::printf("%-34s %9.1f KB/s   %8.2f ms per %d bytes   (%d runs, %d failed)%s\n", name,
              kbPerSecond, total / repeats, bytes, repeats, failures,
              FloorRatio(total / repeats).c_str());
}

void MeasureThroughput(CServiceLibrary& library) {
  CRemoteServiceAPI* service = library.remoteService;
  int size = service->GetParameters(nullptr, 0);
  if (size <= 0) {
    std::puts("GetParameters: the area size could not be read");
    return;
  }
  std::vector<uint8_t> area(size);
  PrintThroughput("GetParameters", size, 20, [&] {
    return service->GetParameters(area.data(), size) == size;
  });
  PrintThroughput("PutParameters", size, 20, [&] {
    return service->PutParameters(area.data(), size);
  });

  std::vector<char> report(kReportBytes + 4096);
  int reportSize = 0;
  PrintThroughput("GetSystemReport (1 MB)", kReportBytes, 3, [&] {
    reportSize = library.control->GetSystemReport(report.data(), static_cast<int>(report.size()));
    return reportSize > 0;
  });
  std::printf("  (the report read was %d bytes with its terminator)\n", reportSize);
}

}  // namespace

int main() {
  CEmulatorProcess emulator;
  if (!emulator.Start({"/report-size", std::to_string(kReportBytes)})) {
    std::puts("hvx40sim.exe did not come up");
    return 1;
  }
  if (!MeasureFloor()) std::puts("the emulator's block could not be opened; no floor");
  CServiceLibrary library;
  if (!library.Load() || !library.control->ConnectSimulator(0)) {
    std::puts("HVX40ServiceAPI.dll did not load or connect to the emulator");
    return 1;
  }
  std::puts("HVX40ServiceAPI through its tables, against hvx40sim over the shared block");
  MeasureLatencies(library);
  MeasureThroughput(library);
  library.Unload();
  emulator.Stop();
  std::puts("HVX40MEK's main window, beside hvx40sim");
  MeasureReleaseToStop();
  MeasureSilentMachineAnswer();
  MeasureRack();
  return 0;
}
