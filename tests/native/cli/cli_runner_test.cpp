// The console program from command line to exit code on fakes: every failure class ends with
// its own code and one line on standard error that names what failed and what was left as it
// was; a refused command never reaches the machine.
#include "cli_fixture.h"
#include "../../../cli/emulator_access.h"
#include "../../../library/transport/simulator_block.h"
#include "support/json_reader.h"
#include "../../../service/wrapper/controller_holder.h"

using namespace hvxtest;
using testing::_;
using testing::Return;

namespace {

class CliRunner : public CliFixture {};

TEST_F(CliRunner, BadUsageEndsWithTwoBeforeAnyLibraryIsLoaded) {
  for (auto args : std::vector<std::vector<std::string>>{
           {}, {"bogus"}, {"serial", "HVX01"}, {"params", "clear-all"}, {"status", "--nope"}}) {
    console.err.clear();
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(ErrLines().size(), 1u) << console.err;
  }
  EXPECT_EQ(wrappersMade, 0);
  EXPECT_EQ(console.err, "hvx40ctl: unknown option --nope; nothing was done\n");
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(CliRunner, NoMachineOrNoConnectionEndsWithThree) {
  libraryLoads = false;
  EXPECT_EQ(Run({"status"}), 3);
  EXPECT_EQ(console.err,
            "hvx40ctl status: the service library HVX40ServiceAPI.dll could not be loaded (Not "
            "found DLL); nothing was done\n");
  libraryLoads = true;

  console.err.clear();
  simulator.opens = false;
  EXPECT_EQ(Run({"--simulator", "serial", "HVX1234"}), 3);
  EXPECT_EQ(console.err,
            "hvx40ctl serial: cannot connect to HVX-A (is the emulator running?); nothing was done\n");

  console.err.clear();
  printers.names.clear();
  EXPECT_EQ(Run({"status"}), 3);
  EXPECT_EQ(console.err, "hvx40ctl status: no machine is attached; nothing was done\n");

  console.err.clear();
  printers.names = {"HVX-A", "HVX-B"};
  EXPECT_EQ(Run({"status", "--machine", "HVX-C"}), 3);
  EXPECT_EQ(console.err, "hvx40ctl status: no machine named HVX-C is attached; nothing was done\n");

  console.err.clear();
  printers.listable = false;
  EXPECT_EQ(Run({"status"}), 3);
  EXPECT_EQ(console.err, "hvx40ctl status: the list of machines cannot be read; nothing was done\n");
}

TEST_F(CliRunner, TwoMachinesNeedTheOptionAndItsNameIsMatchedIgnoringCase) {
  printers.names = {"HVX-A", "HVX-B"};
  EXPECT_EQ(Run({"status"}), 2);
  EXPECT_EQ(console.err,
            "hvx40ctl status: more than one machine is attached (HVX-A, HVX-B); choose one with "
            "--machine NAME; nothing was done\n");
  EXPECT_TRUE(printers.opened.empty());
  EXPECT_EQ(Run({"status", "--machine", "hvx-b"}), 0);
  EXPECT_EQ(printers.opened, std::vector<std::string>{"HVX-B"});
}

TEST_F(CliRunner, AMachineThatDoesNotAnswerOrIsOfflineTakesNoCommand) {
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatusNotRead());
    EXPECT_CALL(fake, SetSerialNumber(_)).Times(0);
  };
  EXPECT_EQ(Run({"serial", "HVX1234"}), 3);
  EXPECT_EQ(console.err, "hvx40ctl serial: HVX-A does not answer its status; nothing was done\n");

  console.err.clear();
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(5));
    EXPECT_CALL(fake, SetSerialNumber(_)).Times(0);
  };
  EXPECT_EQ(Run({"serial", "HVX1234"}), 3);
  EXPECT_EQ(console.err, "hvx40ctl serial: HVX-A reports itself offline; nothing was done\n");
  // The status itself is shown for an offline machine, as the main window shows it.
  console.err.clear();
  EXPECT_EQ(Run({"status"}), 0);
  EXPECT_NE(console.out.find("State: Offline\n"), std::string::npos) << console.out;
}

TEST_F(CliRunner, AMissingInputFileEndsWithFiveBeforeTheMachineIsAsked) {
  for (auto command : {"send", "firmware"}) {
    console.err.clear();
    EXPECT_EQ(Run({command, "C:\\gone.bin"}), 5);
    EXPECT_EQ(console.err, std::string("hvx40ctl ") + command +
                               ": C:\\gone.bin was not found.; nothing was sent; the machine is "
                               "unchanged\n");
  }
  EXPECT_EQ(wrappersMade, 0);
}

TEST_F(CliRunner, AParameterImageTooLargeIsRefusedWithFive) {
  files.files["big.bin"] = std::string(10001, 'p');
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    EXPECT_CALL(fake, PutParameters(_, _)).Times(0);
  };
  EXPECT_EQ(Run({"params", "put", "big.bin"}), 5);
  EXPECT_EQ(console.err,
            "hvx40ctl params put: The parameter file is larger than 10000 bytes.; the machine's "
            "parameters are unchanged\n");
}

TEST_F(CliRunner, MachineRefusalsEndWithFour) {
  files.files["p.bin"] = "image";
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, SetSerialNumber(_)).WillByDefault(Return(false));
    ON_CALL(fake, GetParameters(_, _)).WillByDefault(Return(-1));
    ON_CALL(fake, PutParameters(_, _)).WillByDefault(Return(false));
    ON_CALL(fake, ClearAllParameters()).WillByDefault(Return(false));
    ON_CALL(fake, GetSystemReport(_, _)).WillByDefault(Return(-1));
    ON_CALL(fake, OutputFile(_, _)).WillByDefault(Return(false));
  };
  const struct {
    std::vector<std::string> args;
    const char* line;
  } cases[] = {
      {{"serial", "HVX1234"},
       "hvx40ctl serial: the machine refused the serial number HVX1234; the machine's serial "
       "number is unchanged"},
      {{"params", "get", "out.bin"},
       "hvx40ctl params get: the machine did not deliver its parameters; the machine's "
       "parameters are unchanged"},
      {{"params", "put", "p.bin"},
       "hvx40ctl params put: the machine refused the parameter image p.bin; the machine's "
       "parameters are unchanged"},
      {{"params", "clear-all", "--yes"},
       "hvx40ctl params clear-all: the machine refused to clear all parameters; the machine's "
       "parameters are unchanged"},
      {{"params", "clear-user", "--yes"},
       "hvx40ctl params clear-user: the machine refused to clear the user parameters; the user "
       "parameters from the refused step on are unchanged"},
      {{"report", "r.txt"},
       "hvx40ctl report: Failed to get system report; r.txt was not written"},
      {{"send", "p.bin"},
       "hvx40ctl send: Failed to output file: p.bin; the machine did not take the job"},
  };
  for (const auto& c : cases) {
    console.err.clear();
    EXPECT_EQ(Run(c.args), 4) << c.line;
    EXPECT_EQ(console.err, std::string(c.line) + "\n");
  }
  EXPECT_EQ(files.files.count("r.txt"), 0u);
}

TEST_F(CliRunner, CtrlCBeforeTheMachineIsAskedEndsWithSixAndChangesNothing) {
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    EXPECT_CALL(fake, SetSerialNumber(_)).Times(0);
  };
  interrupt.Request();
  EXPECT_EQ(Run({"serial", "HVX1234"}), 6);
  EXPECT_EQ(console.err,
            "hvx40ctl serial: interrupted before serial reached the machine; the machine is "
            "unchanged\n");
}

TEST_F(CliRunner, EveryRunIsLoggedWithQueueAndSerialInTheMainWindowsFile) {
  files.files["p.bin"] = "image";
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, SetSerialNumber(_)).WillByDefault(Return(true));
    ON_CALL(fake, OutputFile(_, _)).WillByDefault(Return(false));
  };
  EXPECT_EQ(Run({"serial", "HVX1234"}), 0);
  EXPECT_EQ(Run({"send", "p.bin"}), 4);
  const std::vector<std::string> expected = {
      "2026/12/09 02:00:00 hvx40ctl [HVX-A] [HVX0001] Write the serial",
      "2026/12/09 02:00:00 hvx40ctl [HVX-A] [HVX0001] Serial number written: HVX1234",
      "2026/12/09 02:00:00 hvx40ctl [HVX-A] [HVX0001] serial HVX1234: done",
      "2026/12/09 02:00:00 hvx40ctl [HVX-A] [HVX0001] Output File",
      "2026/12/09 02:00:00 hvx40ctl [HVX-A] [HVX0001] File not sent: p.bin",
      "2026/12/09 02:00:00 hvx40ctl [HVX-A] [HVX0001] send p.bin: failed: Failed to output file: "
      "p.bin; the machine did not take the job",
  };
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(CliRunner, TheWrapperIsReleasedAtTheEndSoTheMachineIsLetGo) {
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    EXPECT_CALL(fake, Unload()).Times(1);
  };
  EXPECT_EQ(Run({"status"}), 0);
  EXPECT_EQ(CurrentController(), nullptr);
}

}  // namespace

namespace {

// The status word of a machine in update mode: marker 8, the phase, the progress.
uint32_t Updating(uint32_t phase, uint32_t progress) {
  return 0x80000000u | phase << 24 | progress << 16;
}

TEST_F(CliRunner, CtrlCDuringTheFirmwareInstallationIsOnlyAnnounced) {
  files.files["fw.rfw"] = "HVX40 FIRMWARE";
  bool announced = false;
  script = [this, &announced](FakeController& fake) {
    ScriptReadyMachine(fake);
    if (wrappersMade == 1) {
      // The engineer presses Ctrl+C as the machine enters update mode.
      EXPECT_CALL(fake, EnterUpdateMode(0)).WillOnce([this, &announced](int) {
        announced = interrupt.Request();
        return true;
      });
      return;
    }
    // The reloaded library finds the machine waiting for its image, then finishing.
    EXPECT_CALL(fake, GetStatus(_, _))
        .WillOnce(ReturnStatus(Updating(1, 0)))
        .WillRepeatedly(ReturnStatus(Updating(6, 90)));
    EXPECT_CALL(fake, OutputFile(_, _)).WillOnce(Return(true));
  };
  EXPECT_EQ(Run({"--simulator", "firmware", "fw.rfw"}), 0) << console.err;
  EXPECT_TRUE(announced);
  EXPECT_EQ(wrappersMade, 2) << "the library was not loaded again";
  EXPECT_EQ(simulator.opened, (std::vector<std::string>{"HVX-A", "HVX-A"}));
  EXPECT_NE(console.out.find("Success to update. Please restart HVX-40."), std::string::npos);
  EXPECT_FALSE(interrupt.Request()) << "still unstoppable after the installation";
}

}  // namespace

namespace {

// hvx40ctl --simulator finds every running emulator by its window's title and opens each by its
// device name, never the default machine in its place.
TEST(EmulatorAccess, ListsRunningEmulatorsByNameAndOpensTheOneNamed) {
  std::string name;
  EXPECT_TRUE(simblock::DeviceFromWindowTitle(simblock::SimulatorWindowTitle("Rack 2"), name));
  EXPECT_EQ(name, "Rack 2");
  EXPECT_FALSE(simblock::DeviceFromWindowTitle("HVX-40 Emulator - ", name));
  EXPECT_FALSE(simblock::DeviceFromWindowTitle("Notepad", name));

  std::vector<std::string> running = {"Rack 2", "Rack 1", "Rack 2"};
  CEmulatorAccess access([&running](std::vector<std::string>& names) {
    names = running;
    return true;
  });
  std::vector<std::string> names;
  ASSERT_TRUE(access.ListMachines(names));
  EXPECT_EQ(names, (std::vector<std::string>{"Rack 1", "Rack 2"}));
  running.clear();
  names.clear();
  ASSERT_TRUE(access.ListMachines(names));
  EXPECT_EQ(names, std::vector<std::string>{"Varnel HVX-40"}) << "none running: the default";

  FakeController controller;
  EXPECT_CALL(controller, ConnectSimulatorNamed(testing::StrEq("Rack 2"), 0)).WillOnce(Return(true));
  EXPECT_CALL(controller, ConnectSimulator(_)).Times(0);
  EXPECT_TRUE(access.Open(controller, "Rack 2"));
}

}  // namespace
