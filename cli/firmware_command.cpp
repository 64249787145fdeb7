// firmware FILE: the Output page's "Upgrade", run to its end whatever comes: update mode,
// library reload, send, follow. Its endings are the page's own.
#include "../service/procedures/common/page_machine.h"
#include "../service/procedures/output/firmware_upgrade.h"
#include "cli_boxes.h"
#include "commands.h"

const char kUnstoppableText[] =
    "hvx40ctl firmware: the installation cannot be interrupted once begun; waiting for the "
    "machine to end it";

CommandOutcome RunFirmware(CommandContext& context) {
  const std::string& path = context.Operand();
  CCliBoxes boxes(false);
  CCliFileBoxes fileBoxes(path);
  CPageMachine machine(context.source);
  CFirmwareUpgrade upgrade(UpgradeSeams{context.source, machine, boxes, context.log, context.clock,
                                        context.reload, context.progress, context.files,
                                        fileBoxes});
  context.interrupt.SetUnstoppable(true);
  const UpgradeOutcome outcome = upgrade.Run(path);
  context.interrupt.SetUnstoppable(false);
  if (outcome == UpgradeOutcome::kNoFile && fileBoxes.HadError()) {
    return Failure(ExitCode::kFileError, fileBoxes.ErrorText(), "the machine was not touched");
  }
  if (outcome != UpgradeOutcome::kUpdated) {
    // Only a failed send or installation may have left part of an image on the machine.
    const char* left = outcome == UpgradeOutcome::kFailed
                           ? "restart the machine; its firmware may be incomplete"
                           : "the firmware was not sent";
    return Failure(ExitCode::kMachineFailed, boxes.Told(), left);
  }
  context.result.SetText("file", path);
  context.lines.push_back(OnOneLine(boxes.Informed()));
  return Done();
}
