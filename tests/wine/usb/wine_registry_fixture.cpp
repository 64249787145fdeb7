#include "wine_registry_fixture.h"

#include <windows.h>

#include <sstream>

namespace {

// Opens or creates each component in turn; firstCreated names the topmost key that was new.
HKEY CreatePath(const std::string& path, std::string& firstCreated) {
  HKEY key = HKEY_LOCAL_MACHINE;
  std::string sofar;
  std::stringstream parts(path);
  std::string part;
  while (std::getline(parts, part, '\\')) {
    HKEY next = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExA(key, part.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                        &next, &disposition);
    if (key != HKEY_LOCAL_MACHINE) RegCloseKey(key);
    if (status != ERROR_SUCCESS) return nullptr;
    sofar += (sofar.empty() ? "" : "\\") + part;
    if (disposition == REG_CREATED_NEW_KEY && firstCreated.empty()) firstCreated = sofar;
    key = next;
  }
  return key;
}

}  // namespace

CHklmFixture::~CHklmFixture() {
  for (auto path = created_.rbegin(); path != created_.rend(); ++path) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, path->c_str());
  }
}

bool CHklmFixture::AddKey(const std::string& path) {
  std::string firstCreated;
  HKEY key = CreatePath(path, firstCreated);
  if (!firstCreated.empty()) created_.push_back(firstCreated);
  if (key == nullptr) return false;
  RegCloseKey(key);
  return true;
}

bool CHklmFixture::SetString(const std::string& path, const std::string& valueName,
                             const std::string& value) {
  std::string firstCreated;
  HKEY key = CreatePath(path, firstCreated);
  if (!firstCreated.empty()) created_.push_back(firstCreated);
  if (key == nullptr) return false;
  const LONG status = RegSetValueExA(key, valueName.c_str(), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}
