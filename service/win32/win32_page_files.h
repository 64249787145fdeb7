// The Win32 side of the procedures' file seam: whole files through CreateFileA. The file boxes,
// the wait cursor and the report dates are the pages' own (tool/pages/info/win32_file_boxes.h).
#pragma once

#include "../seams/page_files.h"

class CWin32PageFiles : public IPageFiles {
 public:
  FileFault Write(const std::string& path, const void* data, size_t length) override;
  FileFault ReadPrefix(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                       bool& longer) override;
};
