// The two files the Output page acts on. Send and Upgrade use the paths last chosen with the
// "..." buttons; text typed into the page's edits is not taken over.
#pragma once

#include <string>

#include "../info/page_files.h"

class COutputPaths {
 public:
  // Each returns true when a file was chosen; on cancel the path stays as it was.
  bool ChooseDataFile(IFileBoxes& boxes);
  bool ChooseFirmwareFile(IFileBoxes& boxes);

  const std::string& DataPath() const { return dataPath_; }
  const std::string& FirmwarePath() const { return firmwarePath_; }

 private:
  std::string dataPath_;
  std::string firmwarePath_;
};
