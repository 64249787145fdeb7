#include "main_window_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "hvx_version.h"

const char* const kMainCaption = HVX_MAIN_WINDOW_TITLE;
const std::vector<std::string> kSlowMachine = {"/motion-scale", "0.2"};

namespace {

// "YYYY/MM/DD hh:mm:ss " comes before every message.
const size_t kStampLength = 20;

}  // namespace

void MainWindowTest::SetUp() { DeleteFileA(CurrentLogFile().c_str()); }

void MainWindowTest::TearDown() {
  if (main_ != nullptr && IsWindow(main_)) CloseTool();
  emulator_.Stop();
}

void MainWindowTest::StartTool(const std::vector<std::string>& emulatorOptions) {
  ASSERT_TRUE(emulator_.Start(emulatorOptions));
  ASSERT_TRUE(tool_.Start("/simulator"));
  driver_.reset(new CWindowDriver(tool_.process()));
  main_ = driver_->WaitForWindow(kMainCaption, kWaitMs);
  ASSERT_NE(nullptr, main_) << "no main window titled " << kMainCaption;
  ASSERT_EQ("Ready", WaitForField(IDC_MAIN_STATUS, "Ready"));
}

int MainWindowTest::CloseTool() {
  int code = tool_.Close(main_);
  main_ = nullptr;
  return code;
}

std::string MainWindowTest::WaitForMachine(const std::string& key, const std::string& expected) {
  std::string value;
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100)) {
    if ((value = emulator_.Dump()[key]) == expected) break;
  }
  return value;
}

long MainWindowTest::MachineNumber(const std::string& key) {
  return std::strtol(emulator_.Dump()[key].c_str(), nullptr, 10);
}

std::vector<std::string> MainWindowTest::LogMessages() const {
  std::vector<std::string> messages;
  for (std::string line : ReadLines(CurrentLogFile())) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    messages.push_back(line.size() >= kStampLength ? line.substr(kStampLength) : line);
  }
  return messages;
}

size_t MainWindowTest::WaitForLogCount(const std::string& message, size_t count) {
  size_t found = 0;
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(100)) {
    std::vector<std::string> messages = LogMessages();
    found = static_cast<size_t>(std::count(messages.begin(), messages.end(), message));
    if (found >= count) break;
  }
  return found;
}

void MainWindowTest::ChooseStep(int radioId) {
  PostButtonClick(main_, radioId);
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs; Sleep(50)) {
    if (IsChecked(main_, radioId)) return;
  }
  ADD_FAILURE() << "radio button " << radioId << " did not become checked";
}
