#include "pages_host.h"

#include <atomic>
#include <thread>

#include "../../../service/wrapper/controller_holder.h"
#include "../../../service/wrapper/hvx_all_ctr.h"
#include "../../../tool/app/win32_platform.h"
#include "../driver/screen_capture.h"

namespace {

std::string TemporaryFolder() {
  char path[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, path);
  return path;
}

HWND CreateHostWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = "HVX40PagesHost";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "HVX40PagesHost", "Pages", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                         720, 380, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

PagesHostTest::PagesHostTest() : journal(TemporaryFolder() + "hvx_pages_journal.txt") {}

void PagesHostTest::SetUp() {
  ASSERT_TRUE(emulator.Start({"/journal", journal.path(), "/motion-scale", "20"}));
  // The emulator's window stays clear of the tool's windows, so the pictures show them whole.
  if (HWND emulatorWindow = FindWindowA("HVX40SimWindow", nullptr))
    SetWindowPos(emulatorWindow, HWND_BOTTOM, 760, 620, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  host = CreateHostWindow();
  ASSERT_NE(host, nullptr);
  SetControllerFactory([] { return static_cast<CHVXController*>(new CHVXAllCtr(Win32ToolPlatform())); });
  CHVXController* controller = RenewController();
  ASSERT_NE(controller, nullptr);
  ASSERT_TRUE(controller->ConnectSimulator(static_cast<int>(reinterpret_cast<INT_PTR>(host))));
  axis.reset(new CAxisDlg(&panel));
  sub.reset(new CSubDlg(&panel));
  ASSERT_TRUE(axis->Create(host));
  ASSERT_TRUE(sub->Create(host));
  SetWindowPos(axis->Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  SetWindowPos(sub->Handle(), nullptr, 360, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  journal.Mark();
}

void PagesHostTest::TearDown() {
  axis.reset();
  sub.reset();
  ReleaseController();
  if (host != nullptr) DestroyWindow(host);
  emulator.Stop();
}

void PagesHostTest::Click(CDialog& page, int id) {
  SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(page.Item(id)));
}

std::string PagesHostTest::Dumped(const std::string& key) {
  std::map<std::string, std::string> state;
  if (GetWindowThreadProcessId(host, nullptr) != GetCurrentThreadId()) {
    state = emulator.Dump();
  } else {
    // The emulator may talk to the host window while it serves the request, so the window's
    // thread keeps pumping meanwhile.
    std::atomic<bool> done{false};
    std::thread dumper([&] {
      state = emulator.Dump();
      done = true;
    });
    while (!done) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    dumper.join();
  }
  return state.count(key) ? state[key] : "(missing " + key + ")";
}

std::vector<std::string> PagesHostTest::JournalLines(const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& line : journal.LinesSinceMark())
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
  return found;
}

void PagesHostTest::Screenshot(HWND window, const std::string& name) {
  // Painting is the window's own thread's business; a helper thread only copies the screen.
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
    UpdateWindow(window);
  else
    Sleep(300);  // a box that has just appeared paints meanwhile
  SaveWindowPicture(window, ScreenshotFolder() + "\\" + name + ".bmp");
}
