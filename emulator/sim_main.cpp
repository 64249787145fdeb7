// hvx40sim.exe: the emulated machine behind the shared block, with its window; or, with /send,
// the messenger that hands one control command to the emulator already running.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "block_server.h"
#include "block_server_switches.h"
#include "machine_model.h"
#include "serialized_endpoint.h"
#include "sim_options.h"
#include "sim_window.h"
#include "steady_clock.h"

namespace {

// Exit codes, so that scripts can tell what went wrong.
enum ExitCode {
  kExitOk = 0,
  kExitCommandFailed = 1,
  kExitNoEmulator = 2,
  kExitBadOptions = 3,
  kExitAlreadyRunning = 4,
  kExitSetupFailed = 5,
};
constexpr uint32_t kServeWaitMs = 50;
constexpr UINT kSendTimeoutMs = 10000;

// Each emulator's window is titled with its device name, so a name finds exactly one.
HWND FindEmulator(const std::string& deviceName) {
  return FindWindowA(simblock::kSimulatorWindowClass,
                     simblock::SimulatorWindowTitle(deviceName).c_str());
}

int SendCommand(const std::string& deviceName, const std::string& command) {
  HWND emulator = FindEmulator(deviceName);
  if (!emulator) return kExitNoEmulator;
  COPYDATASTRUCT data = {};
  data.dwData = kControlCommandData;
  data.cbData = static_cast<DWORD>(command.size() + 1);
  data.lpData = const_cast<char*>(command.c_str());
  DWORD_PTR result = FALSE;
  if (!SendMessageTimeoutA(emulator, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
    return kExitNoEmulator;
  }
  return result ? kExitOk : kExitCommandFailed;
}

bool SetUpMachine(const SimOptions& options, CMachineModel& machine) {
  machine.SetCoverOpen(options.coverOpen);
  machine.faults() = options.faults;
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    machine.motion().SetMinimumCurrent(axis, options.minimumCurrent);
  }
  return options.journalPath.empty() || machine.journal().Open(options.journalPath);
}

int RunEmulator(HINSTANCE instance, const SimOptions& options) {
  // One emulator per device name: a second one would serve the same block. Machines of other
  // names run beside it, each with its own block, events and window.
  if (FindEmulator(options.deviceName)) return kExitAlreadyRunning;
  CSteadyClock clock;
  CMachineModel machine(clock, options.machine);
  if (options.journalStamps) machine.journal().StampWith(&clock);
  if (!SetUpMachine(options, machine)) return kExitSetupFailed;

  CBlockServer server;
  if (!server.Create(options.deviceName)) return kExitSetupFailed;
  CBlockServerSwitches switches(server);
  switches.SetPresent(!options.absent);
  switches.SetFaults(options.serverFaults);

  std::mutex mutex;
  CSimWindow window(machine, switches, mutex);
  const std::string title = simblock::SimulatorWindowTitle(options.deviceName);
  if (!window.Create(instance, title.c_str())) return kExitSetupFailed;

  CSerializedEndpoint endpoint(machine, mutex);
  std::atomic<bool> running{true};
  std::thread serving([&] {
    while (running) server.ServeOnce(endpoint, kServeWaitMs);
  });
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  running = false;
  serving.join();
  server.Close();
  return kExitOk;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::vector<std::string> args = SplitCommandLine(GetCommandLineA());
  if (!args.empty()) args.erase(args.begin());  // the program itself
  SimOptions options;
  std::string error;
  if (!ParseSimOptions(args, options, error)) {
    OutputDebugStringA(("hvx40sim: " + error + "\n").c_str());
    return kExitBadOptions;
  }
  if (options.send) return SendCommand(options.deviceName, options.sendCommand);
  return RunEmulator(instance, options);
}
