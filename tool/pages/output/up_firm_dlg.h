// CUpFirmDlg: the modeless "Now Installing..." box (template 147) shown while firmware is
// installed: a fixed warning and a progress bar. It disables the page's top-level window while
// it exists, so no other command can start; it has no close box and its Cancel is disabled, and
// Enter and Escape are swallowed: an installation cannot be stopped halfway. The main window
// refuses to close meanwhile (installation_guard.h).
//
//   CUpFirmDlg box;
//   box.Create(page);          // disables the main window and shows the box
//   box.Progress().SetPosition(40);
//   box.DestroyWindow();       // enables the main window again; also done by the destructor
#pragma once

#include <cstdint>
#include <string>

#include "../../ui/dialog/controls.h"
#include "../../ui/dialog/dialog.h"

class CUpFirmDlg : public CDialog {
 public:
  CUpFirmDlg();
  ~CUpFirmDlg() override;

  // False when the window could not be created; the owner is then as it was.
  bool Create(CDialog& page);
  // The owner is enabled before the box goes, so that the system activates the main window
  // rather than another program.
  void DestroyWindow();

  void SetText(const std::string& text) { text_ = text; }
  CProgressBar& Progress() { return progress_; }
  bool OwnerDisabled() const { return ownerDisabled_ != 0; }

 protected:
  bool OnInit() override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void EnableOwnerAgain();

  HWND owner_ = nullptr;
  uint32_t ownerDisabled_ = 0;
  CProgressBar progress_;
  std::string text_;
};
