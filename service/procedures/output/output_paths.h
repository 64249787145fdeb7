// The two files the Output page acts on: what its two File fields show, whether chosen with the
// "..." buttons or typed. Send and Upgrade take the fields over first, so that the file sent is
// always the one in plain sight.
#pragma once

#include <string>

#include "../../seams/page_files.h"

class COutputPaths {
 public:
  // Each returns true when a file was chosen; on cancel the path stays as it was.
  bool ChooseDataFile(IFileBoxes& boxes);
  bool ChooseFirmwareFile(IFileBoxes& boxes);
  // The fields' texts as they stand become the two paths.
  void TakeFields(const std::string& dataField, const std::string& firmwareField);

  const std::string& DataPath() const { return dataPath_; }
  const std::string& FirmwarePath() const { return firmwarePath_; }

 private:
  std::string dataPath_;
  std::string firmwarePath_;
};
