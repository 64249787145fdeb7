// send FILE: the Output page's "Send": the file handed to the machine unchanged.
#include "../service/procedures/common/page_machine.h"
#include "../service/procedures/output/data_file_sender.h"
#include "cli_boxes.h"
#include "commands.h"

CommandOutcome RunSend(CommandContext& context) {
  const std::string& path = context.Operand();
  CCliBoxes boxes(false);
  CPageMachine machine(context.source);
  if (!CDataFileSender(machine, boxes, context.log).SendDataFile(path)) {
    return Failure(ExitCode::kMachineFailed, boxes.Told() + ": " + path,
                   "the machine did not take the job");
  }
  context.result.SetText("file", path);
  context.lines.push_back("Sent " + path);
  return Done();
}
