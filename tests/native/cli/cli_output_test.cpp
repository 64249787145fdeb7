// What scripts read: the --json object parsed back, the text lines, the progress on standard
// error, and the help with its exit codes.
#include "../../../cli/help_text.h"
#include "../../../cli/json_object.h"
#include "../../../cli/progress_line.h"
#include "cli_fixture.h"
#include "support/json_reader.h"

using namespace hvxtest;
using testing::_;
using testing::Return;

namespace {

class CliOutput : public CliFixture {};

TEST(CliJson, TextsAreEscapedAndMembersKeepTheirOrder) {
  CJsonObject object;
  object.SetText("text", "a \"quoted\" C:\\path\r\nline\t\x01");
  object.SetNumber("n", -12);
  object.SetFlag("ok", false);
  object.SetNull("none");
  object.SetTextList("list", {"x", "y z"});
  CJsonObject inner;
  inner.SetText("Varnel HVX-40", "ready");
  object.SetObject("states", inner);
  object.SetNumber("n", 7);  // replaces, keeps its place
  EXPECT_EQ(object.Text(),
            "{\"text\":\"a \\\"quoted\\\" C:\\\\path\\r\\nline\\t\\u0001\",\"n\":7,\"ok\":false,"
            "\"none\":null,\"list\":[\"x\",\"y z\"],\"states\":{\"Varnel HVX-40\":\"ready\"}}");
  CJsonReader reader;
  ASSERT_TRUE(reader.Parse(object.Text()));
  EXPECT_EQ(reader["text"], "a \"quoted\" C:\\path\r\nline\t\x01");
  EXPECT_EQ(reader["list[1]"], "y z");
  EXPECT_EQ(reader["states.Varnel HVX-40"], "ready");
}

TEST_F(CliOutput, StatusAsJsonParsesBackWithTheMainWindowsTexts) {
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(ReturnPosition({12349, -5, -60500}));
    ON_CALL(fake, GetInputState()).WillByDefault(Return(0x41));
    ON_CALL(fake, GetSpindleSpeed()).WillByDefault(Return(7000));
  };
  EXPECT_EQ(Run({"status", "--json"}), 0);
  CJsonReader json;
  ASSERT_TRUE(json.Parse(console.out)) << console.out;
  EXPECT_EQ(console.out.back(), '\n');
  EXPECT_EQ(json["command"], "status");
  EXPECT_EQ(json["ok"], "true");
  EXPECT_EQ(json["exit_code"], "0");
  EXPECT_EQ(json["machine"], "HVX-A");
  EXPECT_EQ(json["state"], "Ready");
  EXPECT_EQ(json["x"], "12.34");
  EXPECT_EQ(json["y"], "-0.00");
  EXPECT_EQ(json["z"], "-60.50");
  EXPECT_EQ(json["x_limit"], "ON");
  EXPECT_EQ(json["y_limit"], "---");
  EXPECT_EQ(json["cover"], "CLOSE");
  EXPECT_EQ(json["spindle_speed"], "7000");
  EXPECT_EQ(json["serial"], "HVX0001");
  EXPECT_EQ(json["firmware"], "1.02");
  EXPECT_EQ(json["usb_id"], "A");
  EXPECT_TRUE(console.err.empty());
}

TEST_F(CliOutput, AFailureAsJsonCarriesTheSameLineAsStandardError) {
  script = [](FakeController& fake) {
    ScriptReadyMachine(fake);
    ON_CALL(fake, SetSerialNumber(_)).WillByDefault(Return(false));
  };
  EXPECT_EQ(Run({"--json", "serial", "HVX1234"}), 4);
  CJsonReader json;
  ASSERT_TRUE(json.Parse(console.out)) << console.out;
  EXPECT_EQ(json["ok"], "false");
  EXPECT_EQ(json["exit_code"], "4");
  EXPECT_EQ(json["error"], "the machine refused the serial number HVX1234");
  EXPECT_EQ(json["unchanged"], "the machine's serial number is unchanged");
  EXPECT_EQ(console.err, "hvx40ctl serial: " + json["error"] + "; " + json["unchanged"] + "\n");

  console.out.clear();
  EXPECT_EQ(Run({"--json", "bogus"}), 2);
  ASSERT_TRUE(json.Parse(console.out)) << console.out;
  EXPECT_EQ(json["exit_code"], "2");
}

TEST_F(CliOutput, QuietLeavesStandardOutputEmptyButNotTheFailureLine) {
  EXPECT_EQ(Run({"status", "--quiet"}), 0);
  EXPECT_EQ(console.out, "");
  libraryLoads = false;
  EXPECT_EQ(Run({"status", "--quiet"}), 3);
  EXPECT_EQ(ErrLines().size(), 1u);
}

TEST_F(CliOutput, ListProbesEachMachineAndPrintsOneALine) {
  printers.names = {"HVX-A", "HVX B"};
  EXPECT_EQ(Run({"list"}), 0);
  EXPECT_EQ(console.out, "HVX-A\nHVX B\n");
  console.out.clear();
  printers.opens = false;
  EXPECT_EQ(Run({"list", "--json"}), 0);
  CJsonReader json;
  ASSERT_TRUE(json.Parse(console.out)) << console.out;
  EXPECT_EQ(json["machines[1]"], "HVX B");
  EXPECT_EQ(json["states.HVX B"], "offline");
}

TEST_F(CliOutput, HelpNamesEveryCommandAndTheExitCodes) {
  EXPECT_EQ(Run({"--help"}), 0);
  for (const char* text : {"list", "status", "report FILE", "params get FILE", "params put FILE",
                           "params clear-user", "params clear-all", "serial VALUE", "send FILE",
                           "firmware FILE", "--machine NAME", "--simulator", "--json", "--quiet",
                           "  3  no machine", "  5  file error"}) {
    EXPECT_NE(console.out.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(HelpText("params clear-all").find("Usage:\n  hvx40ctl [options] params clear-all\n"), 0u);
  const std::string group = HelpText("params");
  EXPECT_NE(group.find("hvx40ctl [options] params clear-user"), std::string::npos);
  EXPECT_EQ(group.find("serial VALUE"), std::string::npos);
}

TEST(CliProgress, APercentageInPlaceOnAConsoleAndALinePerChangeElsewhere) {
  CFakeConsole console;
  console.console = true;
  CProgressLine onConsole(console, false);
  EXPECT_FALSE(onConsole.Opened());
  onConsole.Open("Installing firmware...\r\nDo not switch off");
  onConsole.SetProgress(0);
  onConsole.SetRange(0, 100);
  onConsole.SetProgress(10);
  onConsole.SetProgress(10);
  onConsole.SetProgress(115);  // the tool's offset carries the bar past its end
  onConsole.Close();
  EXPECT_TRUE(onConsole.Opened());
  EXPECT_EQ(console.err,
            "Installing firmware... Do not switch off\n\rfirmware: 0%\rfirmware: 10%\rfirmware: 100%\n");

  CFakeConsole piped;
  CProgressLine toFile(piped, false);
  toFile.Open("x");
  toFile.SetProgress(15);
  toFile.SetProgress(40);
  toFile.Close();
  EXPECT_EQ(piped.err, "x\nfirmware: 15%\nfirmware: 40%\n");

  CFakeConsole quiet;
  CProgressLine none(quiet, true);
  none.Open("x");
  none.SetProgress(50);
  none.Close();
  EXPECT_EQ(quiet.err, "");
}

}  // namespace
