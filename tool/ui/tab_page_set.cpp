#include "tab_page_set.h"

#include "../resources/resource.h"
#include "log_dlg.h"

namespace {

// A page whose class is not part of this build: its template's controls without their actions,
// so that the tabs and the layout still work.
class CBlankPage : public CDialog {
 public:
  explicit CBlankPage(int templateId) : CDialog(templateId) {}
};

}  // namespace

// ---- The page classes. A page that gains its class replaces its CBlankPage line here. ----
TabPageSet MakeTabPages(CLogDlg& /*log*/) {
  return {std::make_unique<CBlankPage>(IDD_INFO_PAGE), std::make_unique<CBlankPage>(IDD_AXIS_PAGE),
          std::make_unique<CBlankPage>(IDD_OUTPUT_PAGE), std::make_unique<CBlankPage>(IDD_SUB_PAGE)};
}
