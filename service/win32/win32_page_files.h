// The Win32 side of the Info and Output pages' seams: the common file boxes over a page, whole
// files through CreateFileA, the wait cursor, and the local time for report dates.
#pragma once

#include <windows.h>

#include "../../ui/dialog/dialog.h"
#include "page_files.h"
#include "parameter_transfer.h"
#include "system_report.h"

class CWin32FileBoxes : public IFileBoxes {
 public:
  explicit CWin32FileBoxes(CDialog& owner) : owner_(owner) {}
  bool AskOpenPath(const std::string& filter, std::string& path) override;
  bool AskSavePath(const std::string& filter, const std::string& defaultExtension,
                   std::string& path) override;
  void ShowFileError(const std::string& path, FileFault fault) override;

 private:
  CDialog& owner_;
};

class CWin32PageFiles : public IPageFiles {
 public:
  FileFault Write(const std::string& path, const void* data, size_t length) override;
  FileFault ReadPrefix(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                       bool& longer) override;
};

class CWin32BusyCursor : public IBusyCursor {
 public:
  void Begin() override;
  void End() override;

 private:
  HCURSOR previous_ = nullptr;
};

ReportTime LocalReportTime();
