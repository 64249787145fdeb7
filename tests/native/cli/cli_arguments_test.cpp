// The command line: options anywhere, two-word commands, operands counted, and the refusals
// that must stop a command before any machine is asked.
#include <gtest/gtest.h>

#include "../../../cli/cli_arguments.h"

namespace {

struct Parsed {
  bool ok;
  CliRequest request;
  std::string error;
};

Parsed Parse(std::vector<std::string> args) {
  Parsed parsed{};
  parsed.ok = ParseArguments(args, parsed.request, parsed.error);
  return parsed;
}

TEST(CliArguments, CommonOptionsStandBeforeOrAfterTheCommand) {
  for (auto args : std::vector<std::vector<std::string>>{
           {"--machine", "HVX A", "--json", "params", "put", "p.bin", "--quiet", "--simulator"},
           {"params", "--json", "put", "--machine=HVX A", "p.bin", "--simulator", "--quiet"},
           {"--simulator", "--quiet", "params", "put", "p.bin", "--machine", "HVX A", "--json"}}) {
    Parsed p = Parse(args);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.request.command, "params put");
    EXPECT_EQ(p.request.operands, std::vector<std::string>{"p.bin"});
    EXPECT_EQ(p.request.machine, "HVX A");
    EXPECT_TRUE(p.request.simulator && p.request.json && p.request.quiet);
    EXPECT_FALSE(p.request.yes || p.request.help);
  }
}

TEST(CliArguments, ADoubleDashLetsAFileNameStartWithADash) {
  Parsed p = Parse({"send", "--", "--odd.prn"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.request.operands, std::vector<std::string>{"--odd.prn"});
}

TEST(CliArguments, BadUsageIsRefusedWithItsReason) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{}, "no command given (hvx40ctl --help lists them)"},
      {{"--json"}, "no command given (hvx40ctl --help lists them)"},
      {{"format"}, "unknown command format"},
      {{"params"}, "params needs one of: get, put, clear-user, clear-all"},
      {{"params", "erase"}, "unknown command params erase"},
      {{"status", "--verbose"}, "unknown option --verbose"},
      {{"status", "--machine"}, "--machine needs the machine's name"},
      {{"report"}, "report needs FILE"},
      {{"status", "extra"}, "status takes no further operand: extra"},
      {{"send", "a.prn", "b.prn"}, "send takes no further operand: b.prn"},
      {{"serial", "HVX001"}, "Serial Number should be 7 letters"},
      {{"serial", "HVX00001"}, "Serial Number should be 7 letters"},
      {{"params", "clear-all"}, "params clear-all destroys stored data and runs only with --yes"},
      {{"params", "clear-user"}, "params clear-user destroys stored data and runs only with --yes"},
  };
  for (const auto& c : cases) {
    Parsed p = Parse(c.args);
    EXPECT_FALSE(p.ok) << c.error;
    EXPECT_EQ(p.error, c.error);
  }
}

TEST(CliArguments, GoodLinesOfEveryShape) {
  EXPECT_TRUE(Parse({"serial", "HVX1234"}).ok);
  EXPECT_TRUE(Parse({"serial", "a b c d"}).ok);  // any seven characters, blanks included
  EXPECT_TRUE(Parse({"params", "clear-user", "--yes"}).ok);
  EXPECT_TRUE(Parse({"--yes", "params", "clear-all"}).ok);
  EXPECT_TRUE(Parse({"list"}).ok);
  EXPECT_TRUE(Parse({"firmware", "new.rfw"}).ok);
}

TEST(CliArguments, HelpIsGoodUsageWhateverElseIsMissing) {
  EXPECT_EQ(Parse({"--help"}).request.command, "");
  EXPECT_EQ(Parse({"report", "--help"}).request.command, "report");
  EXPECT_EQ(Parse({"params", "-h"}).request.command, "params");
  EXPECT_EQ(Parse({"params", "clear-all", "/?"}).request.command, "params clear-all");
  for (auto args : std::vector<std::vector<std::string>>{
           {"--help"}, {"report", "--help"}, {"params", "-h"}, {"params", "clear-all", "/?"}}) {
    Parsed p = Parse(args);
    EXPECT_TRUE(p.ok && p.request.help) << p.error;
  }
}

}  // namespace
