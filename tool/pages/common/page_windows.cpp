#include "page_windows.h"

#include "../../ui/dialog/message_box.h"
#include "../../ui/dialog/message_pump.h"

bool CPageBoxes::Ask(const std::string& text, bool informationIcon) {
  return AskYesNo(text, informationIcon ? BoxIcon::kInformation : BoxIcon::kNone);
}

bool CPageBoxes::AskDefaultNo(const std::string& text) {
  return AskYesNo(text, BoxIcon::kInformation, BoxDefault::kNo);
}

void CPageBoxes::Inform(const std::string& text) { ShowInformation(text); }

void CPageBoxes::Tell(const std::string& text) { ShowMessage(text); }

bool CPageProgressBox::Open(const std::string& text) {
  box_.reset(new CProcessDlg());
  return box_->Create(text, page_);
}

void CPageProgressBox::Close() {
  if (box_) box_->DestroyWindow();
}

// Once the box is gone (a test that could not show it, or one that has closed it already) nothing
// is pumped, as nothing could cancel the wait anyway.
void CPageProgressBox::PumpMessages() {
  if (box_) ::PumpMessages(*box_);
}

bool CPageProgressBox::TakeCancelRequest() { return box_ && box_->TakeCancelRequest(); }

void CPageProgressBox::RefreshPage() {
  if (page_.IsWindow()) page_.UpdateData(false);
}

void CPageProgressBox::ShowCycleCount(int cycles) {
  if (box_) box_->SetCycleCount(cycles);
}

