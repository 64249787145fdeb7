// params get | put | clear-user | clear-all: the Info page's parameter buttons, run through the
// page's own logic with the command line's file and --yes standing in for its boxes.
#include "../service/procedures/info/parameter_clear.h"
#include "../service/procedures/info/parameter_transfer.h"
#include "cli_boxes.h"
#include "commands.h"

namespace {

const char kMachineUnchanged[] = "the machine's parameters are unchanged";

struct TransferSeams {
  CCliBoxes boxes{false};
  CCliFileBoxes fileBoxes;
  CNoBusyCursor cursor;
  explicit TransferSeams(const std::string& path) : fileBoxes(path) {}
};

// The size of the image now in the file, as a check that it holds what was saved.
long long SizeOnDisk(IPageFiles& files, const std::string& path) {
  std::vector<uint8_t> bytes;
  bool longer = false;
  if (files.ReadPrefix(path, CParameterTransfer::kAreaLimit, bytes, longer) != FileFault::kNone) {
    return -1;
  }
  return static_cast<long long>(bytes.size());
}

CommandOutcome Cleared(CommandContext& context, bool cleared, const std::string& what,
                       const std::string& unchanged) {
  if (!cleared) {
    return Failure(ExitCode::kMachineFailed, "the machine refused to clear " + what, unchanged);
  }
  context.lines.push_back("Cleared " + what + "; they are reset when the machine restarts");
  return Done();
}

}  // namespace

CommandOutcome RunParamsGet(CommandContext& context) {
  const std::string& path = context.Operand();
  TransferSeams seams(path);
  CParameterTransfer transfer(context.source, seams.fileBoxes, context.files, seams.boxes,
                              context.log, seams.cursor);
  if (!transfer.Get()) {
    if (seams.fileBoxes.HadError()) {
      return Failure(ExitCode::kFileError, seams.fileBoxes.ErrorText(), kMachineUnchanged);
    }
    return Failure(ExitCode::kMachineFailed, "the machine did not deliver its parameters",
                   kMachineUnchanged);
  }
  const long long bytes = SizeOnDisk(context.files, path);
  context.result.SetText("file", path);
  context.result.SetNumber("bytes", bytes);
  context.lines.push_back("Saved the parameters (" + std::to_string(bytes) + " bytes) to " + path);
  return Done();
}

CommandOutcome RunParamsPut(CommandContext& context) {
  const std::string& path = context.Operand();
  TransferSeams seams(path);
  CParameterTransfer transfer(context.source, seams.fileBoxes, context.files, seams.boxes,
                              context.log, seams.cursor);
  if (!transfer.Put()) {
    if (seams.fileBoxes.HadError()) {
      return Failure(ExitCode::kFileError, seams.fileBoxes.ErrorText(), kMachineUnchanged);
    }
    // The only refusal the page tells before sending is a file too large for an image.
    if (!seams.boxes.Told().empty()) {
      return Failure(ExitCode::kFileError, seams.boxes.Told(), kMachineUnchanged);
    }
    return Failure(ExitCode::kMachineFailed, "the machine refused the parameter image " + path,
                   kMachineUnchanged);
  }
  context.result.SetText("file", path);
  context.lines.push_back(OnOneLine(seams.boxes.Informed()));
  return Done();
}

CommandOutcome RunParamsClearUser(CommandContext& context) {
  CCliBoxes boxes(context.request.yes);
  const bool cleared = CParameterClear(context.source, boxes, context.log).ClearUser();
  // The steps run in order, so a refusal leaves the earlier ones done and the rest untouched.
  return Cleared(context, cleared, "the user parameters",
                 "the user parameters from the refused step on are unchanged");
}

CommandOutcome RunParamsClearAll(CommandContext& context) {
  CCliBoxes boxes(context.request.yes);
  const bool cleared = CParameterClear(context.source, boxes, context.log).ClearAll();
  return Cleared(context, cleared, "all parameters", kMachineUnchanged);
}
