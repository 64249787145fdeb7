// The Win32 side of the Info and Output pages' seams: the common file boxes over a page, the wait
// cursor, and the local time for report dates. Whole files go through win32_page_files.h.
#pragma once

#include <windows.h>

#include "../../../service/procedures/info/parameter_transfer.h"
#include "../../../service/procedures/info/system_report.h"
#include "../../../service/seams/page_files.h"
#include "../../../service/win32/win32_page_files.h"
#include "../../ui/dialog/dialog.h"

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

class CWin32BusyCursor : public IBusyCursor {
 public:
  void Begin() override;
  void End() override;

 private:
  HCURSOR previous_ = nullptr;
};

ReportTime LocalReportTime();
