// hvx40ctl from its arguments to its exit code: the command line, the files it reads and
// writes (parameter images and firmware files of any size, paths of any text), the attached
// queues and Ctrl+C, all from the input, and behind the tool's own wrapper the library's tables
// over a machine answering from the rest of the input.
#include <string>
#include <vector>

#include "../../cli/cli_runner.h"
#include "../../service/log/log_book.h"
#include "../../service/log/log_window.h"
#include "../../service/wrapper/controller_holder.h"
#include "../../service/wrapper/hvx_all_ctr.h"
#include "cli/cli_fixture.h"
#include "support/fuzz_target.h"
#include "support/in_process_library.h"
#include "support/library_tables.h"

namespace {

// The words the program knows, so that the input reaches every command and option; any other
// argument is a text from the input.
const char* const kWords[] = {
    "list", "status", "report", "params", "get", "put", "clear-user", "clear-all", "serial",
    "send", "firmware", "--machine", "--simulator", "--json", "--quiet", "--yes", "--help",
    "-h", "/?", "HVX-A", "HVX0001", "p.bin", "f.rfw"};
constexpr size_t kWordCount = sizeof kWords / sizeof kWords[0];
constexpr size_t kMostArguments = 12;
constexpr size_t kMostFiles = 4;

std::string Argument(CFuzzInput& in) {
  const uint8_t pick = in.Byte();
  return pick < kWordCount ? kWords[pick] : in.Text();
}

// A file for the command: at one of its arguments' paths or at any other, of any size.
void AddFile(CFuzzInput& in, const std::vector<std::string>& args, CMemoryPageFiles& files) {
  const std::string path = (!args.empty() && in.Flag()) ? args[in.Byte() % args.size()] : in.Text();
  const std::vector<uint8_t> bytes = in.Bytes(in.Word16());
  files.files[path] = std::string(bytes.begin(), bytes.end());
}

class CQuietNotice : public CUserNotice {
 public:
  void Message(const std::string&) override {}
  void FileError(const std::string&, FileFault) override {}
};

class CNoImage : public CEmbeddedLibrary {
 public:
  bool Read(std::vector<uint8_t>&) override { return false; }
};

class CInputSpooler : public CPrinterSpooler {
 public:
  explicit CInputSpooler(CInputUsbSystem& usb) : usb_(usb) {}
  bool LocalQueues(std::vector<PrinterQueue>& queues) override {
    return usb_.ListLocalQueues(queues) == QueueList::kListed;
  }

 private:
  CInputUsbSystem& usb_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFuzzInput in(data, size);
  std::vector<std::string> args(in.Byte() % (kMostArguments + 1));
  for (std::string& arg : args) arg = Argument(in);
  CMemoryPageFiles files;
  for (size_t n = in.Byte() % (kMostFiles + 1); n > 0; --n) AddFile(in, args, files);
  CInterrupt interrupt;
  if (in.Flag()) interrupt.Request();

  CLibraryTables tables(in);
  CInProcessLibrary library(tables);
  CMemoryLogStore logStore;
  CQuietNotice notice;
  CNoImage image;
  CToolPlatform platform{library, logStore, notice, image};
  // As the program's own factory does; the path is a std::string, since a bare literal would
  // choose the constructor that defers loading.
  const std::string libraryPath = "C:\\HVX\\HVX40ServiceAPI.dll";
  SetControllerFactory([&platform, &libraryPath]() -> CHVXController* {
    CHVXAllCtr* wrapper = new CHVXAllCtr(platform, libraryPath);
    if (wrapper->IsBound()) return wrapper;
    wrapper->Unload();
    delete wrapper;
    return nullptr;
  });
  CFixedLogClock logClock;
  CLogBook logBook(logStore, logClock, [](std::string& folder) {
    folder = "C:\\Data";
    return true;
  });
  SetLogBook(&logBook);

  CFakeConsole console;
  CInputSpooler spooler(tables.usb);
  CPrinterAccess printers(spooler);
  CSimulatorAccess simulator;
  CliServices services{console,      printers,  simulator, files,
                       tables.clock, interrupt, [] { return std::string(); }};
  RunCli(args, services);

  ReleaseController();
  SetControllerFactory(nullptr);
  SetLogBook(nullptr);
  return 0;
}
