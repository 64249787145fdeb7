// The registry reader of the running system: HKEY_LOCAL_MACHINE, read only.
#include <windows.h>

#include <vector>

#include "registry_reader.h"

namespace {

HKEY AsHkey(RegKey key) { return key == nullptr ? HKEY_LOCAL_MACHINE : static_cast<HKEY>(key); }

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

class CWin32RegistryReader : public CRegistryReader {
 public:
  RegKey OpenKey(RegKey parent, const std::string& subkey) override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(AsHkey(parent), subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
      return nullptr;
    }
    return key;
  }

  RegEnum EnumSubkey(RegKey key, uint32_t index, size_t capacity, std::string& name) override {
    std::vector<char> buffer(capacity + 1, '\0');
    DWORD length = static_cast<DWORD>(capacity);
    const LONG status = RegEnumKeyExA(AsHkey(key), index, buffer.data(), &length, nullptr,
                                      nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return RegEnum::kNoMore;
    if (status != ERROR_SUCCESS) return RegEnum::kError;  // ERROR_MORE_DATA: name too long
    name.assign(buffer.data(), length);
    return RegEnum::kName;
  }

  bool QueryString(RegKey key, const std::string& valueName, size_t capacity,
                   std::string& value) override {
    // One spare byte keeps a value stored without its terminator from running off the buffer.
    std::vector<char> buffer(capacity + 1, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(capacity);
    const LONG status = RegQueryValueExA(AsHkey(key), valueName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status != ERROR_SUCCESS || !IsStringType(type)) return false;
    value.assign(buffer.data());
    return true;
  }

  void CloseKey(RegKey key) override { RegCloseKey(static_cast<HKEY>(key)); }
};

}  // namespace

CRegistryReader& SystemRegistry() {
  static CWin32RegistryReader reader;
  return reader;
}
