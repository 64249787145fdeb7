// Names as Windows compares them: printer queues, drivers, registry keys and folders are the
// same name whatever the case of their letters. The library, the tool and hvx40ctl all compare
// names with this one function.
#pragma once

#include <cctype>
#include <string>

inline bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}
