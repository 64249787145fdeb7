#include "cli_boxes.h"

#include "../service/texts/message_texts.h"

bool CCliBoxes::Ask(const std::string& /*text*/, bool /*informationIcon*/) { return yes_; }

bool CCliFileBoxes::AskOpenPath(const std::string& /*filter*/, std::string& path) {
  path = path_;
  return true;
}

bool CCliFileBoxes::AskSavePath(const std::string& /*filter*/,
                                const std::string& /*defaultExtension*/, std::string& path) {
  path = path_;
  return true;
}

void CCliFileBoxes::ShowFileError(const std::string& path, FileFault fault) {
  fault_ = fault;
  errorText_ = FileErrorText(path, fault);
}
