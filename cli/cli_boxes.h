// The page logic's boxes without windows: a script is never asked anything, and what a box
// would have told the engineer becomes the command's outcome instead.
#pragma once

#include <string>

#include "../service/procedures/info/parameter_transfer.h"
#include "../service/seams/page_files.h"
#include "../service/seams/page_seams.h"

class CCliBoxes : public IPageBoxes {
 public:
  // yes answers every question (--yes); without it every question is answered No.
  explicit CCliBoxes(bool yes) : yes_(yes) {}

  bool Ask(const std::string& text, bool informationIcon) override;
  // A script's answer does not depend on the box's default button.
  bool AskDefaultNo(const std::string& text) override { return Ask(text, true); }
  void Inform(const std::string& text) override { informed_ = text; }
  void Tell(const std::string& text) override { told_ = text; }

  const std::string& Told() const { return told_; }
  const std::string& Informed() const { return informed_; }

 private:
  bool yes_;
  std::string told_;
  std::string informed_;
};

// The file boxes answer with the path from the command line; a file error is kept.
class CCliFileBoxes : public IFileBoxes {
 public:
  explicit CCliFileBoxes(const std::string& path) : path_(path) {}

  bool AskOpenPath(const std::string& filter, std::string& path) override;
  bool AskSavePath(const std::string& filter, const std::string& defaultExtension,
                   std::string& path) override;
  void ShowFileError(const std::string& path, FileFault fault) override;

  bool HadError() const { return fault_ != FileFault::kNone; }
  // The file-error box's own text ("C:\x\a.bin was not found.").
  const std::string& ErrorText() const { return errorText_; }

 private:
  std::string path_;
  FileFault fault_ = FileFault::kNone;
  std::string errorText_;
};

// No hourglass: the program waits in the foreground anyway.
class CNoBusyCursor : public IBusyCursor {
 public:
  void Begin() override {}
  void End() override {}
};
