#include "axis_dlg.h"

#include "../../../service/procedures/axis/ageing_run.h"
#include "../../../service/procedures/axis/axis_texts.h"
#include "../../../service/procedures/axis/current_list.h"
#include "../../../service/wrapper/controller_holder.h"
#include "../../resources/resource.h"

namespace {

// A list counts as chosen only while its edit field still shows the chosen entry.
bool ChosenText(const CComboBox& list, std::string& text) {
  const int selection = list.Selection();
  if (selection < 0) return false;
  text = list.ItemText(selection);
  return list.Text() == text;
}

// Marks the page busy for the length of one test, whatever way the test ends.
class CTestRunning {
 public:
  explicit CTestRunning(bool& flag) : flag_(flag) { flag_ = true; }
  ~CTestRunning() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

CAxisDlg::CAxisDlg(CLogWindow* log)
    : CDialog(IDD_AXIS_PAGE),
      machine_([] { return CurrentController(); }),
      log_(log),
      wait_(machine_, SystemClock(), boxes_) {}

bool CAxisDlg::OnInit() {
  CDialog::OnInit();
  currentList_.Attach(Item(IDC_AXIS_CURRENT_LIST));
  axisList_.Attach(Item(IDC_AXIS_AXIS_LIST));
  return true;
}

bool CAxisDlg::OnCommand(int id, int code, HWND) {
  if (id == IDC_AXIS_LOAD_START && code == BN_CLICKED) {
    OnLoadCheck();
  } else if (id == IDC_AXIS_AGING_START && code == BN_CLICKED) {
    OnAgeing();
  } else if (id == IDC_AXIS_CURRENT_LIST && code == CBN_DROPDOWN) {
    RefillCurrentList();
  } else if (id == IDC_AXIS_AXIS_LIST && code == CBN_DROPDOWN) {
    currentList_.Clear();
  } else {
    return false;
  }
  return true;
}

void CAxisDlg::OnLoadCheck() {
  if (testRunning_) return;
  CTestRunning running(testRunning_);
  const LoadCheckChoice choice = ReadChoice();
  CPageProgressBox box(*this);
  CLoadCheck(machine_, wait_, boxes_, log_).Run(choice, box);
}

void CAxisDlg::OnAgeing() {
  if (testRunning_) return;
  CTestRunning running(testRunning_);
  const bool withSpindle = IsItemChecked(IDC_AXIS_WITH_SPINDLE);
  CPageProgressBox box(*this);
  CAgeingRun(machine_, wait_, boxes_, log_).Run(withSpindle, box);
}

void CAxisDlg::RefillCurrentList() {
  std::string axis;
  if (!ChosenText(axisList_, axis)) {
    boxes_.Tell(kSelectAxisText);
    return;
  }
  currentList_.Clear();
  for (const std::string& entry : CurrentEntriesFor(axis)) currentList_.AddString(entry);
}

LoadCheckChoice CAxisDlg::ReadChoice() const {
  LoadCheckChoice choice;
  choice.axisChosen = ChosenText(axisList_, choice.axisText);
  choice.currentChosen = ChosenText(currentList_, choice.currentText);
  return choice;
}
