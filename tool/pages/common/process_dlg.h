// CProcessDlg: the modeless "Now Processsing" box that a long test shows while it runs, with the
// time it has run so far (and an ageing run's cycles) under its text. Its Cancel button (and
// close box) only asks the running test to stop; the test's wait reads and clears that request,
// and the test destroys the box when it ends.
//
//   CProcessDlg box;
//   box.Create(kText, page);      // shown at once; the rest of the interface stays enabled
//   ... box.TakeCancelRequest() ...
//   box.DestroyWindow();          // also done by the destructor
#pragma once

#include <string>

#include "../../ui/dialog/dialog.h"

class CProcessDlg : public CDialog {
 public:
  CProcessDlg();

  bool Create(const std::string& text, CDialog& page);
  bool CancelRequested() const { return cancelRequest_ != 0; }
  // True once after a Cancel; the request is cleared.
  bool TakeCancelRequest();
  const std::string& Text() const { return text_; }
  // Shows the cycles completed beside the elapsed time from now on.
  void SetCycleCount(int cycles);

 protected:
  bool OnInit() override;
  void OnTimer(UINT_PTR id) override;
  // Remembers the request and hides the box; its window lives on until the test destroys it.
  void OnCancel() override;
  void OnOK() override {}

 private:
  void ShowProgressLine();

  unsigned char cancelRequest_ = 0;
  std::string text_;
  DWORD startTick_ = 0;
  int cycles_ = -1;  // none shown
};
