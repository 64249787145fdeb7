// Keys written into the test prefix's HKEY_LOCAL_MACHINE for one test and removed afterwards:
// only the keys this fixture created are deleted, keys that existed before stay.
#pragma once

#include <string>
#include <vector>

class CHklmFixture {
 public:
  CHklmFixture() = default;
  ~CHklmFixture();

  // Creates the key at path (backslash-separated, below HKEY_LOCAL_MACHINE) and sets the string
  // value; false when the registry refused.
  bool SetString(const std::string& path, const std::string& valueName, const std::string& value);
  bool AddKey(const std::string& path);

 private:
  CHklmFixture(const CHklmFixture&) = delete;
  CHklmFixture& operator=(const CHklmFixture&) = delete;

  std::vector<std::string> created_;  // the topmost new key of each path, in creation order
};
