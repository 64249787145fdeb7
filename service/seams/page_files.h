// What the Info and Output pages need from the file system and the file boxes: the engineer's
// choice of a file, the few whole-file transfers the pages make, and the standard file-error
// box. The Win32 adapters are in service/win32/win32_page_files.h (files) and
// tool/pages/info/win32_file_boxes.h (boxes); tests supply fakes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../wrapper/tool_platform.h"

class IFileBoxes {
 public:
  virtual ~IFileBoxes() {}
  // The open-file box with a "|" filter list and the read-only box hidden; false on cancel.
  virtual bool AskOpenPath(const std::string& filter, std::string& path) = 0;
  // The save-file box with the overwrite prompt. A non-empty default extension is added by the
  // box to a name typed without one ("*" included, which is why callers strip ".*" again).
  virtual bool AskSavePath(const std::string& filter, const std::string& defaultExtension,
                           std::string& path) = 0;
  // The standard box for a file that could not be created, opened, read or written.
  virtual void ShowFileError(const std::string& path, FileFault fault) = 0;
};

class IPageFiles {
 public:
  virtual ~IPageFiles() {}
  // Creates the file or truncates an existing one, then writes the bytes (none is fine).
  virtual FileFault Write(const std::string& path, const void* data, size_t length) = 0;
  // Reads at most maxBytes from the start of the file. longer tells whether the file holds
  // more than was read, so that a caller never mistakes a cut image for the whole one.
  virtual FileFault ReadPrefix(const std::string& path, size_t maxBytes,
                               std::vector<uint8_t>& bytes, bool& longer) = 0;
};
