// How names read from the spooler and the registry are compared: the one case-insensitive
// comparison of the library, and the others discovery needs.
#pragma once

#include <string>

namespace discovery_text {

// Equal ignoring case, as the registry and the spooler treat names.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
// Case-sensitive substring search.
bool Contains(const std::string& text, const std::string& part);
std::string ToUpper(std::string text);

}  // namespace discovery_text
