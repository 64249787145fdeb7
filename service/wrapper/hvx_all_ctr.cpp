#include "hvx_all_ctr.h"

#include <cstring>

const char* const kLibraryFileName = "HVX40CTR.DLL";

namespace {

const char* const kInitErrorText[] = {"Not found DLL", "Not get DLL func", "NG Version of API"};

// Raised while binding and caught in loadController, which shows its message.
struct BindFailure {
  DllInitError reason;
};

// The library file is shared by every copy of the tool that runs: once this copy has freed it,
// a file that cannot be deleted is still loaded by another copy (Windows refuses the delete of a
// mapped image as access denied, of an open file as a sharing violation), which deletes it when
// it ends. Nothing is wrong then, so the engineer is not told.
bool IsLibraryRemovalFault(FileFault fault) {
  switch (fault) {
    case FileFault::kNone:
    case FileFault::kNotFound:
    case FileFault::kAccessDenied:
    case FileFault::kSharingViolation:
      return false;
    default:
      return true;
  }
}

}  // namespace

CHVXAllCtr::CHVXAllCtr(CToolPlatform& platform) : platform_(platform) {
  if (!AllTablesBound() && extractController()) loadController();
}

CHVXAllCtr::CHVXAllCtr(CToolPlatform& platform, bool /*deferLoading*/) : platform_(platform) {}

CHVXAllCtr::CHVXAllCtr(CToolPlatform& platform, const std::string& installedLibrary)
    : platform_(platform), libraryPath_(installedLibrary), ownsLibraryFile_(false) {
  loadController();
}

bool CHVXAllCtr::AllTablesBound() const {
  return service_ && control_ && connect_ && remoteControl_ && remoteService_;
}

bool CHVXAllCtr::ExistingFileMatches(const std::vector<uint8_t>& image) {
  std::vector<uint8_t> present;
  return platform_.files.ReadAll(libraryPath_, present) == FileFault::kNone && present == image;
}

// A file left in the temporary folder may be a stale or foreign library; it is loaded only when
// it is byte for byte the library this tool carries (a second running copy of the tool wrote
// exactly that), and replaced otherwise.
int CHVXAllCtr::extractController() {
  std::string folder;
  if (!platform_.files.TempFolder(folder)) return 0;
  libraryPath_ = folder + kLibraryFileName;

  std::vector<uint8_t> image;
  if (!platform_.image.Read(image)) return 0;

  bool existed = platform_.files.Exists(libraryPath_);
  if (existed && ExistingFileMatches(image)) return 1;

  FileFault fault = platform_.files.WriteAll(libraryPath_, image.data(), image.size());
  if (fault == FileFault::kNone) return 1;
  if (existed) {
    // Neither ours nor replaceable: never load it, and never delete it at unload either.
    libraryPath_.clear();
    platform_.notice.Message(kInitErrorText[kDllNotFound]);
  } else {
    platform_.notice.FileError(libraryPath_, fault);
  }
  return 0;
}

template <class Table>
void CHVXAllCtr::Bind(const char* exportName, const char* expectedVersion, Table*& slot) {
  typedef Table* (*Getter)();
  Getter getter = reinterpret_cast<Getter>(platform_.loader.GetProc(module_, exportName));
  Table* table = getter ? getter() : nullptr;
  if (table == nullptr) throw BindFailure{kDllFuncMissing};
  const char* version = table->GetVersion();
  if (version == nullptr || std::strcmp(version, expectedVersion) != 0) {
    throw BindFailure{kDllVersionMismatch};
  }
  slot = table;
}

int CHVXAllCtr::loadController() {
  if (service_ || control_ || connect_ || remoteControl_ || remoteService_) Disconnect();
  try {
    if (module_ != nullptr) {
      // Loading again over a loaded library would leave a reference that no unload releases.
      platform_.loader.Free(module_);
      module_ = nullptr;
      service_ = nullptr, control_ = nullptr, connect_ = nullptr;
      remoteControl_ = nullptr, remoteService_ = nullptr;
    }
    module_ = libraryPath_.empty() ? nullptr : platform_.loader.Load(libraryPath_);
    if (module_ == nullptr) throw BindFailure{kDllNotFound};
    Bind(api_export::kRemoteConnect, kApiVersion, connect_);
    Bind(api_export::kRemoteControl, kApiVersion, remoteControl_);
    Bind(api_export::kRemoteService, kRemoteServiceApiVersion, remoteService_);
    Bind(api_export::kControl, kApiVersion, control_);
    Bind(api_export::kService, kApiVersion, service_);
  } catch (const BindFailure& failure) {
    platform_.notice.Message(kInitErrorText[failure.reason]);
    return 0;
  }
  return Connect(kModelName) ? 1 : 0;
}

void CHVXAllCtr::ClearFields() {
  module_ = nullptr;
  libraryPath_.clear();
  service_ = nullptr;
  control_ = nullptr;
  connect_ = nullptr;
  remoteControl_ = nullptr;
  remoteService_ = nullptr;
}

void CHVXAllCtr::Unload() {
  if (connect_ != nullptr) connect_->Disconnect();
  if (module_ != nullptr) platform_.loader.Free(module_);
  if (ownsLibraryFile_ && !libraryPath_.empty()) {
    FileFault fault = platform_.files.Remove(libraryPath_);
    if (IsLibraryRemovalFault(fault)) platform_.notice.FileError(libraryPath_, fault);
  }
  // Cleared whatever happened above, so that no pointer into the freed library survives.
  ClearFields();
}

bool CHVXAllCtr::OutputBuffer(const void* data, int length, const char* jobName) {
  if (control_ == nullptr || length < 0) return false;
  std::string folder;
  if (!platform_.files.TempFolder(folder)) return false;
  const std::string path = folder + "outputfile";
  FileFault fault = platform_.files.WriteAll(path, data, static_cast<size_t>(length));
  if (fault != FileFault::kNone) {
    platform_.notice.FileError(path, fault);
    platform_.files.Remove(path);
    return false;
  }
  const char* pathText = path.c_str();
  bool sent = control_->OutputFile(&pathText, jobName);
  // The job is with the machine once sent: a clean-up that failed is shown on its own, and must
  // not read as a failed send, which a caller would repeat and the machine cut twice.
  fault = platform_.files.Remove(path);
  if (fault != FileFault::kNone) platform_.notice.FileError(path, fault);
  return sent;
}
