// serial VALUE: the Info page's serial number "Write"; the seven-character rule has already
// been checked with the command line.
#include "../service/procedures/info/serial_write.h"
#include "cli_boxes.h"
#include "commands.h"

CommandOutcome RunSerial(CommandContext& context) {
  const std::string& serial = context.Operand();
  CCliBoxes boxes(false);
  if (!CSerialWrite(context.source, boxes, context.log).Write(serial)) {
    const std::string refusal = boxes.Told().empty()
                                    ? "the machine refused the serial number " + serial
                                    : boxes.Told();
    return Failure(ExitCode::kMachineFailed, refusal, "the machine's serial number is unchanged");
  }
  context.result.SetText("serial", serial);
  context.result.SetText("previous_serial", context.serial);
  context.lines.push_back("Wrote the serial number " + serial + " (was " + context.serial + ")");
  return Done();
}
