#include "output_paths.h"

namespace {

// Cutting files come as .prn, .txt or .nc; "*.all" lets the engineer pick any other file.
const char kDataFilter[] = "*.prn|*.prn|*.txt|*.txt|*.nc|*.nc|*.all|*.*||";
const char kFirmwareFilter[] = "rfw *.rfw|*.rfw||";

bool Choose(IFileBoxes& boxes, const char* filter, std::string& path) {
  std::string chosen;
  if (!boxes.AskOpenPath(filter, chosen)) return false;
  path = chosen;
  return true;
}

}  // namespace

bool COutputPaths::ChooseDataFile(IFileBoxes& boxes) {
  return Choose(boxes, kDataFilter, dataPath_);
}

void COutputPaths::TakeFields(const std::string& dataField, const std::string& firmwareField) {
  dataPath_ = dataField;
  firmwarePath_ = firmwareField;
}

bool COutputPaths::ChooseFirmwareFile(IFileBoxes& boxes) {
  return Choose(boxes, kFirmwareFilter, firmwarePath_);
}
