#include "cli_fixture.h"

#include <algorithm>

#include "../../../service/log/log_window.h"
#include "../../../service/wrapper/controller_holder.h"

using namespace hvxtest;
using testing::_;
using testing::Return;

bool CFakeAccess::ListMachines(std::vector<std::string>& found) {
  if (!listable) return false;
  found = names;
  return true;
}

bool CFakeAccess::Open(CHVXController& /*controller*/, const std::string& name) {
  opened.push_back(name);
  return opens;
}

FileFault CMemoryPageFiles::Write(const std::string& path, const void* data, size_t length) {
  files[path] = std::string(static_cast<const char*>(data), length);
  return FileFault::kNone;
}

FileFault CMemoryPageFiles::ReadPrefix(const std::string& path, size_t maxBytes,
                                       std::vector<uint8_t>& bytes, bool& longer) {
  auto found = files.find(path);
  if (found == files.end()) return FileFault::kNotFound;
  const std::string& all = found->second;
  bytes.assign(all.begin(), all.begin() + static_cast<long>(std::min(maxBytes, all.size())));
  longer = all.size() > maxBytes;
  return FileFault::kNone;
}

FileFault CMemoryLogStore::Append(const std::string& path, const std::string& text) {
  files[path] += text;
  return FileFault::kNone;
}

int64_t CMemoryLogStore::Size(const std::string& path) {
  auto found = files.find(path);
  return found == files.end() ? -1 : static_cast<int64_t>(found->second.size());
}

bool CFixedLogClock::LocalNow(std::tm& now) {
  now = std::tm{};
  now.tm_year = 126, now.tm_mon = 11, now.tm_mday = 9, now.tm_hour = 2;
  return true;
}

void ScriptReadyMachine(FakeController& fake) {
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(ReturnStatus(2));
  ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(ReturnText("HVX0001"));
  ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(ReturnText("0102"));
  ON_CALL(fake, GetShortCode(_, _)).WillByDefault(ReturnText("A"));
}

CliFixture::CliFixture()
    : script(ScriptReadyMachine),
      logBook(logStore, logClock, [](std::string& folder) {
        folder = "C:\\Data";
        return true;
      }) {
  SetLogBook(&logBook);
  SetControllerFactory([this]() -> CHVXController* {
    if (!libraryLoads) return nullptr;
    ++wrappersMade;
    last = new FakeController;
    if (script) script(*last);
    return last;
  });
}

CliFixture::~CliFixture() {
  ReleaseController();
  SetControllerFactory(nullptr);
  SetLogBook(nullptr);
}

int CliFixture::Run(std::vector<std::string> args) {
  CliServices services{console, printers, simulator, files, clock, interrupt,
                       [] { return std::string("Not found DLL"); }};
  return RunCli(args, services);
}

namespace {

std::vector<std::string> Lines(const std::string& text, const char* breakText) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find(breakText, start)) != std::string::npos;) {
    lines.push_back(text.substr(start, at - start));
    start = at + std::string(breakText).size();
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

std::vector<std::string> CliFixture::LogLines() const {
  auto found = logStore.files.find("C:\\Data\\Varnel HVX-40_log00.txt");
  return found == logStore.files.end() ? std::vector<std::string>() : Lines(found->second, "\r\n");
}

std::vector<std::string> CliFixture::ErrLines() const { return Lines(console.err, "\n"); }
