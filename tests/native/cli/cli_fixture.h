// The console program run natively on fakes: a wrapper made by the controller factory from a
// scripted fake, machines listed and opened by a fake access, files and log files in memory.
#pragma once

#include <gmock/gmock.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../../../cli/cli_runner.h"
#include "../../../service/log/log_book.h"
#include "controller/fake_clock.h"
#include "support/fake_hvx_controller.h"

using FakeController = testing::NiceMock<CFakeHVXController>;

class CFakeConsole : public IConsole {
 public:
  void Out(const std::string& text) override { out += text; }
  void Err(const std::string& text) override { err += text; }
  bool ErrIsConsole() override { return console; }
  std::string out, err;
  bool console = false;
};

class CFakeAccess : public CDeviceAccess {
 public:
  bool ListMachines(std::vector<std::string>& found) override;
  bool Open(CHVXController& controller, const std::string& name) override;
  std::vector<std::string> names{"HVX-A"};
  bool listable = true;
  bool opens = true;
  std::vector<std::string> opened;
};

class CMemoryPageFiles : public IPageFiles {
 public:
  FileFault Write(const std::string& path, const void* data, size_t length) override;
  FileFault ReadPrefix(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                       bool& longer) override;
  std::map<std::string, std::string> files;
};

// The log files in memory: only Append and Size are used while the file stays small.
class CMemoryLogStore : public CFileStore {
 public:
  bool TempFolder(std::string&) override { return false; }
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  FileFault ReadAll(const std::string&, std::vector<uint8_t>&) override { return FileFault::kGeneric; }
  FileFault WriteAll(const std::string&, const void*, size_t) override { return FileFault::kGeneric; }
  FileFault Remove(const std::string&) override { return FileFault::kNone; }
  FileFault Append(const std::string& path, const std::string& text) override;
  int64_t Size(const std::string& path) override;
  FileFault Rename(const std::string&, const std::string&) override { return FileFault::kNone; }
  std::map<std::string, std::string> files;
};

class CFixedLogClock : public CLogClock {
 public:
  bool LocalNow(std::tm& now) override;
};

class CliFixture : public ::testing::Test {
 protected:
  CliFixture();
  ~CliFixture() override;

  // Runs the program with the arguments and answers its exit code.
  int Run(std::vector<std::string> args);
  // The lines of the log file that the tool's main window writes too.
  std::vector<std::string> LogLines() const;
  std::vector<std::string> ErrLines() const;

  // Scripts each wrapper the factory makes: a ready machine with serial "HVX0001" by default.
  std::function<void(FakeController&)> script;
  bool libraryLoads = true;
  int wrappersMade = 0;
  FakeController* last = nullptr;  // the newest wrapper, valid until the run ends

  CFakeConsole console;
  CFakeAccess printers;
  CFakeAccess simulator;
  CMemoryPageFiles files;
  CFakeClock clock;
  CInterrupt interrupt;
  CMemoryLogStore logStore;
  CFixedLogClock logClock;
  CLogBook logBook;
};

// A ready machine (state 2), serial "HVX0001", firmware "0102", USB ID "A".
void ScriptReadyMachine(FakeController& fake);
