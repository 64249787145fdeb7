// The training launcher's order: emulator, tool, then the end of only the emulator it started;
// a program that does not start is named in a box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "training_session.h"

namespace {

class CRecordingHost : public CTrainingHost {
 public:
  CRecordingHost(EmulatorStart emulator, bool toolStarts)
      : emulator_(emulator), toolStarts_(toolStarts) {}
  EmulatorStart StartEmulator() override {
    steps.push_back("start emulator");
    return emulator_;
  }
  bool RunTool() override {
    steps.push_back("run tool");
    return toolStarts_;
  }
  void EndEmulator() override { steps.push_back("end emulator"); }
  void ShowError(const std::string& text) override { steps.push_back("box: " + text); }

  std::vector<std::string> steps;

 private:
  EmulatorStart emulator_;
  bool toolStarts_;
};

struct SessionCase {
  const char* name;
  EmulatorStart emulator;
  bool toolStarts;
  std::vector<std::string> steps;
  int exitCode;
};

TEST(TrainingSession, StartsInOrderAndEndsOnlyTheEmulatorItStarted) {
  const std::string emulatorBox = std::string("box: ") + kEmulatorFailedText;
  const std::string toolBox = std::string("box: ") + kToolFailedText;
  const std::vector<SessionCase> cases = {
      {"tool closed", EmulatorStart::kStarted, true,
       {"start emulator", "run tool", "end emulator"}, 0},
      {"emulator already running", EmulatorStart::kAlreadyRunning, true,
       {"start emulator", "run tool"}, 0},
      {"emulator failed", EmulatorStart::kFailed, true, {"start emulator", emulatorBox}, 1},
      {"tool failed", EmulatorStart::kStarted, false,
       {"start emulator", "run tool", "end emulator", toolBox}, 2},
      {"tool failed beside a running emulator", EmulatorStart::kAlreadyRunning, false,
       {"start emulator", "run tool", toolBox}, 2},
  };
  for (const SessionCase& c : cases) {
    CRecordingHost host(c.emulator, c.toolStarts);
    EXPECT_EQ(c.exitCode, RunTrainingSession(host)) << c.name;
    EXPECT_EQ(c.steps, host.steps) << c.name;
  }
}

TEST(TrainingSession, BoxesNameTheProgramThatFailed) {
  EXPECT_STREQ("The training simulator (hvx40sim.exe) could not be started.", kEmulatorFailedText);
  EXPECT_STREQ("The HVX-40 service tool (HVX40MEK.exe) could not be started.", kToolFailedText);
}

}  // namespace
