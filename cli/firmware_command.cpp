// firmware FILE: the Output page's "Upgrade", run to its end whatever comes: update mode,
// library reload, send, follow. Its endings are the page's own.
#include "../tool/pages/common/page_machine.h"
#include "../tool/pages/output/firmware_upgrade.h"
#include "cli_boxes.h"
#include "commands.h"

const char kUnstoppableText[] =
    "hvx40ctl firmware: the installation cannot be interrupted once begun; waiting for the "
    "machine to end it";

CommandOutcome RunFirmware(CommandContext& context) {
  const std::string& path = context.Operand();
  CCliBoxes boxes(false);
  CPageMachine machine(context.source);
  CFirmwareUpgrade upgrade(UpgradeSeams{context.source, machine, boxes, context.log, context.clock,
                                        context.reload, context.progress});
  context.interrupt.SetUnstoppable(true);
  const bool updated = upgrade.Run(path);
  context.interrupt.SetUnstoppable(false);
  if (!updated) {
    // The progress opens once the machine is in update mode; before that nothing was sent.
    const char* left = context.progress.Opened()
                           ? "restart the machine; its firmware may be incomplete"
                           : "the firmware was not sent";
    return Failure(ExitCode::kMachineFailed, boxes.Told(), left);
  }
  context.result.SetText("file", path);
  context.lines.push_back(OnOneLine(boxes.Informed()));
  return Done();
}
