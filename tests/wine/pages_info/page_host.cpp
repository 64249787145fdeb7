#include "page_host.h"

#include <fstream>
#include <sstream>

#include "../../../service/wrapper/controller_holder.h"
#include "../../../service/wrapper/hvx_all_ctr.h"
#include "../../../tool/app/win32_platform.h"
#include "../driver/screen_capture.h"

namespace {

const char kHostClass[] = "HVX40PageHost";

void RegisterHostClass() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kHostClass;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&windowClass);
}

int HandleValue(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(window)); }

}  // namespace

PageHostTest::PageHostTest() : journal(TemporaryFolder() + "hvx_pages_info_journal.txt") {}

void PageHostTest::SetUp() {
  std::vector<std::string> options{"/journal", journal.path()};
  options.insert(options.end(), emulatorOptions.begin(), emulatorOptions.end());
  ASSERT_TRUE(emulator.Start(options)) << "hvx40sim.exe did not come up";
  RegisterHostClass();
  host = CreateWindowExA(0, kHostClass, "HVX40MEK", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 560, 380,
                         460, 360, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(host, nullptr);
  const int window = HandleValue(host);
  SetControllerFactory([] { return new CHVXAllCtr(Win32ToolPlatform()); });
  ASSERT_NE(RenewController(), nullptr);
  ASSERT_TRUE(CurrentController()->ConnectSimulator(window));
  COutputDlg::SetLibraryReconnect([window](CHVXController& c) { c.ConnectSimulator(window); });
  info.reset(new CInfoDlg(&logWindow));
  output.reset(new COutputDlg(&logWindow));
  ASSERT_TRUE(info->Create(host));
  ASSERT_TRUE(output->Create(host));
  journal.Mark();
}

void PageHostTest::TearDown() {
  info.reset();
  output.reset();
  ReleaseController();
  SetControllerFactory(nullptr);
  COutputDlg::SetLibraryReconnect(nullptr);
  if (host != nullptr) DestroyWindow(host);
  emulator.Stop();
}

void PageHostTest::Click(CDialog& page, int id) {
  SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(page.Item(id)));
}

std::string PageHostTest::TemporaryFolder() {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return folder;
}

bool PageHostTest::WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out.good();
}

std::string PageHostTest::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string PageHostTest::Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char byte : bytes) {
    hex += digits[byte >> 4];
    hex += digits[byte & 0xF];
  }
  return hex;
}

void PageHostTest::Picture(HWND hwnd, const std::string& name) {
  SaveWindowPicture(hwnd, ScreenshotFolder() + "\\" + name + ".bmp");
}

void PageHostTest::PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < ms) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

std::vector<std::string> PageHostTest::Journalled(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : journal.LinesSinceMark()) {
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
  }
  return found;
}

