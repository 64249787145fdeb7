// Every command of the console program: its name, its operand, what it needs before it runs,
// and its help text. The parser, the help and the runner all read this one list.
#pragma once

#include <string>
#include <vector>

#include "command_context.h"

enum class Connection {
  kNone,    // works without a machine (list)
  kAny,     // a connected machine in any state (status shows an offline one)
  kOnline,  // a connected machine that does not report itself offline, as the tool's controls
};

struct CommandSpec {
  const char* name;     // "params get"
  const char* operand;  // "FILE", "VALUE", or null for none
  bool readsFile;       // the operand is a file that must be readable before the machine is asked
  bool needsYes;        // destroys stored data: runs only with --yes
  Connection connection;
  const char* summary;  // one line for the command list
  const char* details;  // the rest of the command's --help
  CommandRun run;
  // The operand's own rule, checked before any machine is asked: null when it holds, else the
  // reason (the tool's own text where it has one).
  const char* (*refuseOperand)(const std::string& operand);
  // The command's own options as its usage shows them ("[--axis x|y|z]"); null for none.
  const char* settings = nullptr;
  // Their rule, checked before any machine is asked: empty when they hold, else the reason.
  std::string (*refuseSettings)(const CliRequest& request) = nullptr;
};

const std::vector<CommandSpec>& Commands();
// The command of that name, or null.
const CommandSpec* FindCommand(const std::string& name);
// Whether the word starts a two-word command ("params").
bool IsCommandGroup(const std::string& word);
