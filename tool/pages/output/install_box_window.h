// The installation box seam over a CUpFirmDlg, a fresh box for each installation.
#pragma once

#include <memory>

#include "../../../service/seams/install_box.h"
#include "up_firm_dlg.h"

class CInstallBoxWindow : public IInstallBox {
 public:
  explicit CInstallBoxWindow(CDialog& page) : page_(page) {}

  bool Open(const std::string& text) override;
  void SetProgress(int position) override;
  void SetRange(int low, int high) override;
  void PumpMessages() override;
  void Close() override;

  CUpFirmDlg* Box() { return box_.get(); }

 private:
  CDialog& page_;
  std::unique_ptr<CUpFirmDlg> box_;
};
