// CSensorCheckDlg: the modal "Senser Check" box (template 151). Start runs the check on a 300 ms
// timer; each sensor's check box appears once the sensor has switched on and off again, and the
// line under the sensors shows how long the check has run. Start again begins a clean run. Exit
// closes the box at any step; a move already under way continues on the machine.
//   CSensorCheckDlg box;  box.DoModal(pageHandle);
#pragma once

#include "../../../service/procedures/sub/sensor_check.h"
#include "../../ui/dialog/dialog.h"

class CSensorCheckDlg : public CDialog {
 public:
  CSensorCheckDlg();

  const CSensorCheck& Check() const { return check_; }

 protected:
  bool OnInit() override;
  void OnOK() override;      // "Start"
  void OnCancel() override;  // "Exit" and the close box
  void OnTimer(UINT_PTR id) override;

 private:
  void RunTick();
  void StopTickTimer();
  void ShowCheck();
  void ClearCheckBoxes();

  CPageMachine machine_;
  CSensorCheck check_;
  UINT_PTR timerId_ = 0;
  DWORD startTick_ = 0;
};
