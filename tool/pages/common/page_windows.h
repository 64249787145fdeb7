// The Win32 side of the pages' seams: message boxes and the progress box of a page. Their clock
// is the process's SystemClock().
#pragma once

#include <memory>

#include "../../../service/seams/page_seams.h"
#include "process_dlg.h"

class CPageBoxes : public IPageBoxes {
 public:
  bool Ask(const std::string& text, bool informationIcon) override;
  bool AskDefaultNo(const std::string& text) override;
  void Inform(const std::string& text) override;
  void Tell(const std::string& text) override;
};

// A fresh CProcessDlg for each test, over the page that runs it.
class CPageProgressBox : public IProgressBox {
 public:
  explicit CPageProgressBox(CDialog& page) : page_(page) {}

  bool Open(const std::string& text) override;
  void Close() override;
  void PumpMessages() override;
  bool TakeCancelRequest() override;
  void RefreshPage() override;
  void ShowCycleCount(int cycles) override;

 private:
  CDialog& page_;
  std::unique_ptr<CProcessDlg> box_;
};
