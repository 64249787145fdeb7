// The two ways device discovery compares names read from the spooler and the registry.
#pragma once

#include <string>

namespace discovery_text {

// Equal ignoring case, as the registry and the spooler treat names.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
// Case-sensitive substring search.
bool Contains(const std::string& text, const std::string& part);
std::string ToUpper(std::string text);

}  // namespace discovery_text
