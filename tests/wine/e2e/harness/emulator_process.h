// The emulator program hvx40sim.exe, started beside this program for one test or one benchmark
// and driven through its command-line control channel ("/send").
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// The folder of the running program, with a trailing backslash; the library, the emulator and
// the test programs all land in the same output folder.
std::string ProgramFolder();

class CEmulatorProcess {
 public:
  ~CEmulatorProcess() { Stop(); }

  // Starts the emulator with the given options and waits until it serves its block and
  // answers its control channel; false if it does not within 20 s. With "/name NAME" among the
  // options every later command goes to that machine.
  bool Start(const std::vector<std::string>& options);
  // Hands one command to the running emulator ("present off", "fault noack on", ...).
  bool Send(const std::string& command);
  // The emulator's state as its "dump" command writes it; empty on failure.
  std::map<std::string, std::string> Dump();
  // Asks the emulator to quit and waits for it; ends it by force when it does not go.
  void Stop();
  bool running() const { return process_ != nullptr; }
  // The device name the emulator serves under.
  const std::string& name() const { return name_; }

 private:
  bool WaitUntilServing();

  HANDLE process_ = nullptr;
  std::string name_ = "Varnel HVX-40";
};

// Starts a program without waiting for it; its process handle, or null.
HANDLE StartProgram(const std::string& commandLine);
// Runs a program to its end (at most timeoutMs) and gives its exit code, or -1.
int RunProgram(const std::string& commandLine, DWORD timeoutMs);
// A command-line argument in double quotes when it holds a blank.
std::string QuoteArgument(const std::string& argument);
