#include "install_box_window.h"

#include "../../ui/dialog/message_pump.h"

bool CInstallBoxWindow::Open(const std::string& text) {
  box_.reset(new CUpFirmDlg());
  box_->SetText(text);
  return box_->Create(page_);
}

void CInstallBoxWindow::SetProgress(int position) {
  if (box_ && box_->IsWindow()) box_->Progress().SetPosition(position);
}

void CInstallBoxWindow::SetRange(int low, int high) {
  if (box_ && box_->IsWindow()) box_->Progress().SetRange(low, high);
}

void CInstallBoxWindow::PumpMessages() {
  if (box_ && box_->IsWindow()) ::PumpMessages(*box_);
}

void CInstallBoxWindow::Close() {
  if (box_) box_->DestroyWindow();
}
