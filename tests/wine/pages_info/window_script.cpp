#include "window_script.h"

#include <vector>

namespace {

const int kStepTimeoutMs = 40000;
const int kMessageBoxTextId = 0xFFFF;
const int kFileNameComboId = 0x47C;  // cmb13 of the explorer-style file boxes
const int kFileNameEditId = 0x480;   // edt1 of the older ones

struct Search {
  const ScriptStep* step;
  const std::set<HWND>* answered;
  HWND found;
};

BOOL CALLBACK Inspect(HWND hwnd, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  if (!search->step->revisit && search->answered->count(hwnd) != 0) return TRUE;
  if (!search->step->matches(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

bool IsSystemDialog(HWND hwnd) {
  char className[32] = "";
  GetClassNameA(hwnd, className, sizeof className);
  return std::string(className) == "#32770";
}

bool IsFileBox(HWND hwnd) {
  return GetDlgItem(hwnd, kFileNameComboId) != nullptr || GetDlgItem(hwnd, kFileNameEditId) != nullptr;
}

void Click(HWND box, int id) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

}  // namespace

std::string WindowText(HWND hwnd) {
  std::vector<char> buffer(GetWindowTextLengthA(hwnd) + 1);
  GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

CWindowScript::CWindowScript(std::vector<ScriptStep> steps)
    : steps_(std::move(steps)), helper_(&CWindowScript::Run, this, GetCurrentThreadId()) {}

CWindowScript::~CWindowScript() {
  if (helper_.joinable()) helper_.join();
}

std::string CWindowScript::Finish() {
  if (helper_.joinable()) helper_.join();
  return missing_;
}

void CWindowScript::Run(DWORD threadId) {
  for (const ScriptStep& step : steps_) {
    HWND window = WaitFor(threadId, step);
    if (window == nullptr) {
      missing_ = step.what;
      return;
    }
    answered_.insert(window);
    // Let the window finish drawing before it is looked at or answered.
    Sleep(150);
    step.act(window);
  }
}

HWND CWindowScript::WaitFor(DWORD threadId, const ScriptStep& step) {
  for (int waited = 0; waited < kStepTimeoutMs; waited += 20) {
    Search search{&step, &answered_, nullptr};
    EnumThreadWindows(threadId, Inspect, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(20);
  }
  return nullptr;
}

ScriptStep AnswerMessageBox(int button, std::string* text) {
  return ScriptStep{
      "a message box",
      [](HWND hwnd) { return IsSystemDialog(hwnd) && GetDlgItem(hwnd, kMessageBoxTextId) &&
                             !IsFileBox(hwnd); },
      [button, text](HWND box) {
        if (text != nullptr) *text = WindowText(GetDlgItem(box, kMessageBoxTextId));
        Click(box, button);
      }};
}

ScriptStep ChooseFile(const std::string& path) {
  return ScriptStep{
      "the file box for " + path,
      [](HWND hwnd) {
        return IsSystemDialog(hwnd) && IsFileBox(hwnd);
      },
      [path](HWND box) {
        const int field = GetDlgItem(box, kFileNameComboId) ? kFileNameComboId : kFileNameEditId;
        SetDlgItemTextA(box, field, path.c_str());
        Click(box, IDOK);
      }};
}

ScriptStep OnWindow(const std::string& caption, std::function<void(HWND)> act) {
  return ScriptStep{"the window \"" + caption + "\"",
                    [caption](HWND hwnd) { return WindowText(hwnd) == caption; }, act};
}
