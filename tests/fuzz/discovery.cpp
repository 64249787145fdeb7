// Device discovery's registry walks, both system families, over a registry built from the
// input: keys of any names below the roots the walks read, string values of any text (and
// values that are no strings) under any names, keys that cannot be opened or enumerated. Every
// key the walk opens must be closed again, once.
//
// Input: one host byte (bit 0 the older family, bit 1 the version query fails, bit 2 the queue
// cannot be read), the queue's driver and port as texts, then registry entries to the end: an
// entry byte (bits 0-2 what, bits 3-5 below which root) and a path text, then what it needs.
#include <cstdlib>
#include <cstdio>

#include "device_discovery.h"
#include "discovery/fake_registry.h"
#include "support/fuzz_target.h"
#include "support/fuzz_input.h"

namespace {

const char* const kRoots[] = {
    "",
    "SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\",
    "SYSTEM\\CurrentControlSet\\Enum\\USB\\",
    "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\",
    "Enum\\USBPRINT\\",
    "Enum\\USB\\",
};
constexpr size_t kRootCount = sizeof kRoots / sizeof kRoots[0];

// The value names the walks read; a name byte past them takes a text from the input.
const char* const kValueNames[] = {"DeviceDesc", "ParentIdPrefix", "SymbolicName",
                                   "SymbolicLink"};
constexpr size_t kValueNameCount = sizeof kValueNames / sizeof kValueNames[0];

enum Entry { kKey, kString, kNumber, kUnopenable, kEnumFails };
constexpr int kEntryKinds = 5;

class CInputHost : public CDiscoveryHost {
 public:
  explicit CInputHost(CFuzzInput& in)
      : shape_(in.Byte()), driver_(in.Text()), port_(in.Text()) {}
  bool QueryPlatformId(uint32_t& id) override {
    id = (shape_ & 1) ? kPlatformWin32Windows : 2;
    return (shape_ & 2) == 0;
  }
  bool ReadPrinterDriverAndPort(const std::string&, std::string& driver,
                                std::string& port) override {
    driver = driver_;
    port = port_;
    return (shape_ & 4) == 0;
  }

 private:
  uint8_t shape_;
  std::string driver_, port_;
};

std::string ValueName(CFuzzInput& in) {
  const uint8_t pick = in.Byte();
  return pick < kValueNameCount ? kValueNames[pick] : in.Text();
}

void AddEntry(CFuzzInput& in, CFakeRegistry& registry) {
  const uint8_t entry = in.Byte();
  const std::string path = kRoots[(entry >> 3) % kRootCount] + in.Text();
  switch ((entry & 7) % kEntryKinds) {
    case kKey: registry.AddKey(path); break;
    case kString: {
      const std::string name = ValueName(in);
      registry.SetString(path, name, in.Text());
      break;
    }
    case kNumber: registry.SetNumber(path, ValueName(in)); break;
    case kUnopenable: registry.FailOpen(path); break;
    case kEnumFails: registry.FailEnumAt(path, in.Byte()); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFuzzInput in(data, size);
  CInputHost host(in);
  CFakeRegistry registry;
  while (!in.Empty()) AddEntry(in, registry);
  std::string path;
  CDeviceDiscovery(host, registry).FindDevicePath("HVX Office", path);
  if (registry.openKeyCount() != 0 || registry.badCloseCount() != 0) {
    std::fprintf(stderr, "discovery left %d keys open and closed %d keys it did not hold\n",
                 registry.openKeyCount(), registry.badCloseCount());
    std::abort();
  }
  return 0;
}
